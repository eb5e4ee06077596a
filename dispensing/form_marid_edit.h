#pragma once
// The recipient editor: shows and saves one record of the recipient table
// with its state-expense decision, starts a new recipient, and finds an old
// record of a recipient who stopped coming so that it can be reused for a
// new one. Saving and starting a new recipient are locked while the
// sub-device edited the recipients less than 10 days ago.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/result.h"
#include "util/clock.h"
#include "util/interaction.h"
#include "util/numbers.h"

namespace dispensing {

class FormMaridEdit : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormMaridEdit";

  static constexpr std::string_view kLocalNumberLabel = "رقم محلي";
  static constexpr std::string_view kPanelCaption = "بيانات خاصة بنفقة الدولة";
  static constexpr std::string_view kPeriodLabel = "مدة القرار باليوم";
  static constexpr std::string_view kAmountLabel = "مبلغ القرار";
  static constexpr std::string_view kDecisionNumberLabel = "رقم القرار";
  static constexpr std::string_view kStartLabel = "بداية القرار";
  static constexpr std::string_view kClassLabel = "نوع القرار";
  static constexpr std::string_view kSaveCaption = "save";
  static constexpr std::string_view kNewCaption = "جديد";
  static constexpr std::string_view kReplaceCaption = "استبدال";
  static constexpr std::string_view kEditMenu = "تحرير";
  static constexpr std::string_view kReplaceMenuEntry = "اول قرار يمكن استبداله باخر جديد";

  static constexpr std::string_view kSaveLocked =
      "لا يمكن تعديل بيانات المرضي الا من الجهاز الفرعي او مرور 10 ايام علي اخر عملية تعديل من "
      "الجهز الفرعي";
  static constexpr std::string_view kNewLocked = "لا يمكن تعديل بيانات المرضي الا من الجهاز الفرعي";
  static constexpr std::string_view kReplaceExplanation =
      "يتيح هذا الامر انشاء حسابات لمرضي جدد  علي حسابات لمرضي اخرين لم يحضروا الي المستشفي منذ "
      "اكثر من سنة";
  static constexpr std::string_view kLastVisit = "Last visit for this patient was  in ";
  // A record keeps its name once it has one: an empty name is not saved.
  static constexpr std::string_view kNameMissing = "اكتب الاسم اولا";

  // The status line blinks between these text colours.
  static constexpr util::Colour kStatusRed = util::Rgb(255, 0, 0);
  static constexpr util::Colour kStatusLight = 0x00C0FFFF;
  static constexpr int kBlinkMilliseconds = 500;

  // Opening: the words of the program type, the recipient table read again,
  // then the record of ChosenPatient, or else the last named record (record
  // 1 when there is none).
  explicit FormMaridEdit(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  const std::string& caption() const { return caption_; }
  const std::string& LLLMostashfaOrpatient() const { return nameCaption_; }
  const std::string& LLLNID() const { return numberCaption_; }

  // The record shown (LLL).
  std::int32_t LLL() const { return lll_; }

  // The text boxes, as typed.
  std::string TextName;
  std::string Textnid;
  std::string TextQPeriod;
  std::string TextQMony;
  std::string TextQID;

  const std::string& LLLClassy() const { return classy_; }
  const std::string& LLLStartDate() const { return startDate_; }
  const std::string& LLLStatus() const { return status_; }
  util::Colour statusColour() const { return statusColour_; }

  // Shows record p (0 shows the empty record 0).
  void Show(std::int32_t patient);
  // A click on LLL: the pick list; its choice (0 when none) is shown.
  void ClickLLL();
  // A key released in the name box: the status line lists the recipients
  // whose names start with the text once it has 2 characters.
  void NameTyped(std::string text);
  // A click on LLLClassy: "Kidny" becomes "General", anything else "Kidny".
  void ClickClassy();
  // Command1: writes the boxes into record LLL and the table to its file.
  // Refused with kSaveLocked under the sub-device lock, with kNameMissing
  // for an empty name and with the message of a name longer than 78 bytes;
  // silently for record 0.
  core::Result Save();
  // A click on LLLStartDate: Save first, then, whatever its outcome, the
  // date dialog; the chosen day becomes the decision start of record LLL
  // (a cancelled dialog keeps the old one), the table is written and the
  // record shown again.
  void ClickStartDate();
  // Command2: the first free record, shown for entry. Refused with
  // kNewLocked under the sub-device lock.
  void New();
  // Command3 and the edit menu entry: the next record after LLL whose
  // recipient's last ticket is more than 300 days old (or who has none),
  // with the day of that ticket. The first time in a showing the search
  // starts after record 1, with kReplaceExplanation.
  void Replace();
  // The status line's 500 ms timer.
  void BlinkTick();

 private:
  core::App& app_;
  std::string caption_;
  std::string nameCaption_;
  std::string numberCaption_;
  std::int32_t lll_ = 0;
  std::string classy_;
  std::string startDate_;
  std::string status_;
  util::Colour statusColour_ = kStatusRed;
  bool replaceExplained_ = false;
};

// Recipients that have not come for more than this many days may be reused.
inline constexpr double kReplaceAfterDays = 300;

// The day of each recipient's last ticket (the highest-numbered ticket that
// names it), index = recipient 0..30000; 0 for a recipient without tickets.
// One pass over the ticket table.
std::vector<util::OleDate> LastTicketDates(const core::App& app);

struct ReplaceCandidate {
  std::int32_t patient = 0;       // 0 when no record qualifies
  util::OleDate lastTicket = 0;   // the candidate's last ticket day; 0 for none
};
// The first record after `after` (up to 30000) whose last ticket is more than
// 300 days before now, a record without tickets included.
ReplaceCandidate FindReplaceableRecipient(const core::App& app, std::int32_t after);

// The editor, modally; it starts with ChosenPatient when one is set.
void OpenRecipientEditor(core::App& app);

}  // namespace dispensing
