#pragma once
// The dispensing screen "ادوية منصرفة": one ticket at a time, its 30 drug
// lines, its recipient and the state-expense decision data, save / unsave,
// the moves between tickets and the date changes.
//
// The controls are plain data: the view shows them and writes back what the
// user types into the entry members; every action is one method, and the
// input focus the keyboard flow asks for is `focus()`.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/clock.h"
#include "util/grid.h"
#include "util/interaction.h"
#include "util/numbers.h"

namespace dispensing {

class FormOot : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormOot";
  static constexpr std::string_view kCaption = "ادوية منصرفة";

  // Captions of the controls.
  static constexpr std::string_view kPreviousCaption = "<";
  static constexpr std::string_view kNextCaption = ">";
  static constexpr std::string_view kNewCaption = "جديد";
  static constexpr std::string_view kNumberLabel = "بحث بالرقم";
  static constexpr std::string_view kNameLabel = "بحث بالاسم";
  static constexpr std::string_view kBalanceLabel = "الرصيد";
  static constexpr std::string_view kQuantityLabel = "المنصرف";
  static constexpr std::string_view kAddCaption = "اضف";
  static constexpr std::string_view kSaveCaption = "حفظ";
  static constexpr std::string_view kUnsaveCaption = "الغاء الحفظ";
  static constexpr std::string_view kPatientTitle = "المريض";
  static constexpr std::string_view kDepartmentTitle = "القسم";
  static constexpr std::string_view kDesignRecipientTitle = "اسم المريض";

  // The captions of the state-expense panel, the writer and the hint line.
  static constexpr std::string_view kClassificationCaption = "النوع";
  static constexpr std::string_view kDecisionAmountCaption = "مبلغ القرار";
  static constexpr std::string_view kDecisionTotalCaption = "اجمالي القرار حتي الان";
  static constexpr std::string_view kDaysLeftCaption = "ايام باقية";
  static constexpr std::string_view kDecisionStartCaption = "بداية القرار";
  static constexpr std::string_view kDecisionNumberCaption = "رقم القرار";
  static constexpr std::string_view kCurrentTicketCaption = "الحالية";
  static constexpr std::string_view kAgeCaption = "السن";
  static constexpr std::string_view kUserCaption = "مستخدم";
  static constexpr std::string_view kCommandsCaption = "اوامر متغيرة";

  // The menus and their entries (the print entries are those of the
  // printouts, see PrintEntryCaption).
  static constexpr std::string_view kPrintMenu = "طباعة";
  static constexpr std::string_view kReportsMenu = "تقارير";
  static constexpr std::string_view kUnsavedEntry = "تذاكر غير محفوظة";
  static constexpr std::string_view kEditMenu = "تحرير";
  static constexpr std::string_view kAddDrugEntry = "اضافة دواء الي التذكرة";
  static constexpr std::string_view kTicketDateEntry = "تغيير تاريخ التذكرة الحالية";
  static constexpr std::string_view kGroupDatesEntry = "تغيير تاريخ مجموعة تذاكر";

  // The hints of LLLCode.
  static constexpr std::string_view kBackupHint = "نسخة احتياطية";
  static constexpr std::string_view kEditRecipientsHint = "تعديل بيانات المرضي";
  static constexpr std::string_view kPrintHint = "اطبع";

  // Questions, prompts and messages.
  static constexpr std::string_view kBackupFolderMessage =
      "لا يمكن العمل علي نسخة موجودة في مجلد النسخ الاحتياطية استرجعها اولا";
  static constexpr std::string_view kAskRemoveLine = "هل تود حذف هذه الدواء من التذكرة";
  static constexpr std::string_view kRemoveRefused =
      "لم نتمكن من الحذف ربما لان التذكرة محفوظة او انك لا تملك الصلاحية";
  static constexpr std::string_view kGoToPrompt = "ادخل رقم التذكرة التي تود الوصول اليها";
  static constexpr std::string_view kDecisionPrompt = "ادخل رقم القرار لهذا المريض";
  static constexpr std::string_view kAgePrompt = "ادخل سن المريض";
  static constexpr std::string_view kGroupFromPrompt = "ابدأ تغيير التاريخ من فاتورة رقم";
  static constexpr std::string_view kGroupToPrompt = "انتهاء تغيير التاريخ عند الفاتورة رقم";
  static constexpr std::string_view kGroupTooLarge =
      "لا يمكن تغيير تواريخ اكثر من 50 فاتورة في نفس الوقت";
  static constexpr std::string_view kDatesChanged = "تم بنجاح تغيير التواريخ";
  static constexpr std::string_view kUnsavedTitle = "تذاكر منصرفة غير محفوظة";
  static constexpr std::string_view kMarginPrompt = "ادخل قيمة الهامش بالمليمتر";
  static constexpr std::string_view kMarginTitle = "ضبط الهامش الافقي";
  // Every ticket number of the ticket file holds a ticket.
  static constexpr std::string_view kTicketFileFull =
      "ملف التذاكر ممتلئ: كل ارقام التذاكر مستخدمة ولا توجد تذكرة خالية";

  static constexpr util::Colour kSavedEntryColour = util::Rgb(100, 200, 120);
  static constexpr util::Colour kOpenEntryColour = util::Rgb(255, 255, 255);
  static constexpr util::Colour kTooEarlyColour = util::Rgb(255, 0, 0);
  static constexpr util::Colour kRecipientColour = 0x00FDE6C6;

  static constexpr int kGridLines = 30;
  // A recipient served fewer days ago than this is shown on red.
  static constexpr double kTooEarlyDays = 30;
  // LLLStatus keeps at most this many characters.
  static constexpr std::size_t kStatusLength = 130;
  static constexpr std::int32_t kLargestDecisionNumber = 101010101;
  static constexpr double kLargestMargin = 30;
  static constexpr std::int32_t kLargestDateGroup = 50;
  static constexpr int kEarliestYear = 2015;

  // Grid column widths (columns 0..6, twips) and heights by program type.
  static constexpr std::string_view kStateExpenseWidths = "1250-1260-1180-1110-1100-4000-960";
  static constexpr std::string_view kNoMoneyWidths = "0-0-0-0-2385-7050-1495";
  static constexpr int kStateExpenseGridHeight = 4605;
  static constexpr int kNoMoneyGridHeight = 5445;

  // Where the input focus belongs after an action; the view follows it.
  enum class Focus { Text1, Combo1, Text2, Command3 };

  // Opening: the single-instance check, the balance recomputation, the grid, the name list, the last
  // used ticket, then the program type's adjustments.
  explicit FormOot(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  // Fills the screen from the ticket; each step stands on its own.
  void ShowPage(std::int32_t ticket);
  // The entry controls are disabled for a saved ticket.
  void ControlsActivarion(std::int32_t ticket);
  // The recipient title, the state-expense panel and the grid by program type.
  void Customize_me();

  // --- The keyboard flow ---
  // A change of the number box: a drug number 1..1500 fills the name, the
  // usual quantity and the balance.
  void SetText1(std::string text);
  // Enter in the number box: "*"+code finds a drug by its code; "+" starts a
  // new ticket; 0 goes on to the name box, any other number to the quantity.
  void EnterInText1();
  // A change of the name box: the names starting with the text go to LLLStatus.
  void SetCombo1(std::string text);
  // A name picked from the list: its usual quantity and balance.
  void PickCombo1(std::string text);
  void EnterInCombo1();
  // Enter in the quantity box: Add, unless the quantity is 0.
  void EnterInText2();
  // F4: the drug pick list, for a ticket that is not saved.
  void PickDrugFromList();

  // --- Actions ---
  void Add();
  void NewTicket();
  void SaveOrUnsave();
  void Previous();
  void Next();
  // A click on LLL: the go-to input box.
  void GoToTicket();
  // A click on a grid row: the drug of that line becomes the current drug.
  void ClickRow(int row);
  // A double click on a grid row: removes that line after a question.
  void DoubleClickRow(int row);
  // A click on LLLMarid: the recipient pick list.
  void ChooseRecipient();
  // "M": the recipient editor on the ticket's recipient.
  void EditRecipient();
  // "...": the recipient history.
  void RecipientHistory();
  // Clicks on LLLQARAR and LLLAge.
  void EditDecisionNumber();
  void EditAge();
  // Menu: the current ticket's date, and the dates of a group of tickets.
  void ChangeTicketDate();
  void ChangeGroupDates();
  // Menu: the open tickets up to today.
  void ShowUnsavedTickets();
  // Menu: the horizontal margin of the printouts.
  void SetHorizontalMargin();

  // The entries of the print menu, in its order.
  enum class PrintEntry { Form1, Form2, A5, TenTickets, A5PurchaseFee, ThirtyItems };
  static constexpr PrintEntry kPrintEntries[] = {
      PrintEntry::Form1,      PrintEntry::Form2,         PrintEntry::A5,
      PrintEntry::TenTickets, PrintEntry::A5PurchaseFee, PrintEntry::ThirtyItems};
  static std::string_view PrintEntryCaption(PrintEntry entry);
  // Menu: the layout of the entry for the shown ticket (the ten-ticket sheet
  // asks for its first ticket), on the active printer.
  void Print(PrintEntry entry);
  // "P": the last layout printed from the menu again, for the shown ticket,
  // after the printer choice.
  void Reprint();

  // A click on the screen's background: the grid's column widths go to the
  // clipboard (a developer aid).
  void ClickBackground();
  // The mouse over "^", "M" and "P".
  void HoverBackup() { lllCode_ = kBackupHint; }
  void HoverEditRecipient() { lllCode_ = kEditRecipientsHint; }
  void HoverPrint() { lllCode_ = kPrintHint; }

  // --- State ---
  // The shown ticket's number (0 when the ticket file is full).
  std::int32_t shown() const { return shown_; }
  // A saved ticket takes no lines: Enter then belongs to New.
  Focus focus() const { return entriesEnabled_ ? focus_ : Focus::Command3; }
  // Whether the text of the focused box is selected.
  bool focusTextSelected() const { return selected_; }

  // Entry boxes, written by the view as the user types.
  std::string Text1;
  std::string Combo1;
  std::string Text2;
  std::string TextRasid;

  const std::vector<std::string>& Combo1List() const { return combo1List_; }

  // Labels and captions.
  const std::string& LLL() const { return lll_; }
  const std::string& LLLDate() const { return lllDate_; }
  const std::string& CCCDay() const { return cccDay_; }
  const std::string& BtnMonthlyfat() const { return btnMonthlyfat_; }
  const std::string& LLLStatus() const { return lllStatus_; }
  const std::string& LLLUserId() const { return lllUserId_; }
  const std::string& LLLMarid() const { return lllMarid_; }
  util::Colour LLLMaridColour() const { return lllMaridColour_; }
  const std::string& LLLMaridTitle() const { return lllMaridTitle_; }
  const std::string& LLLCode() const { return lllCode_; }
  const std::string& Command7() const { return command7_; }
  bool Command3Visible() const { return command3Visible_; }

  // The state-expense panel PPPNafaqa.
  bool PPPNafaqaVisible() const { return nafaqaVisible_; }
  const std::string& LLLClassy() const { return lllClassy_; }
  const std::string& LLLQValue() const { return lllQValue_; }
  const std::string& LLLQValueUpToNow() const { return lllQValueUpToNow_; }
  const std::string& LLLQPeriod() const { return lllQPeriod_; }
  const std::string& LLLQDate() const { return lllQDate_; }
  const std::string& LLLQARAR() const { return lllQarar_; }
  const std::string& LLLMonyMarid() const { return lllMonyMarid_; }
  const std::string& LLLAge() const { return lllAge_; }

  // The entry boxes and "اضف" together: enabled or not, and the boxes'
  // background colour.
  bool entriesEnabled() const { return entriesEnabled_; }
  util::Colour entryColour() const { return entryColour_; }

  util::Grid& Xxx() { return xxx_; }
  const util::Grid& Xxx() const { return xxx_; }

 private:
  // The ticket the recipient, decision, age and date commands work on: the
  // shown one when it is a ticket of the file and not saved; otherwise 0,
  // and for ticket 0 the screen says the file is full.
  std::int32_t EditableTicket();
  // Add without its notice: a notice to show afterwards goes to `notice`.
  void AddLine(std::string& notice);
  // The drug's name, usual quantity and balance into the entry boxes.
  void FillFromDrug(std::int32_t drug, bool withName);
  // The last ticket ">" may show.
  std::int32_t LastTicket() const;
  void SaveAndShow(std::int32_t ticket);
  void ClearEntries();
  void MoveFocus(Focus focus, bool selected);

  core::App& app_;
  util::Grid xxx_;
  std::vector<std::string> combo1List_;
  std::int32_t shown_ = 0;
  Focus focus_ = Focus::Text1;
  bool selected_ = false;
  std::string lll_;
  std::string lllDate_;
  std::string cccDay_;
  std::string btnMonthlyfat_;
  std::string lllStatus_;
  std::string lllUserId_;
  std::string lllMarid_;
  util::Colour lllMaridColour_ = kRecipientColour;
  std::string lllMaridTitle_{kDesignRecipientTitle};
  std::string lllCode_{kCommandsCaption};
  std::string command7_{kSaveCaption};
  bool command3Visible_ = true;
  bool nafaqaVisible_ = true;
  std::string lllClassy_;
  std::string lllQValue_;
  std::string lllQValueUpToNow_;
  std::string lllQPeriod_;
  std::string lllQDate_;
  std::string lllQarar_;
  std::string lllMonyMarid_;
  std::string lllAge_;
  bool entriesEnabled_ = true;
  util::Colour entryColour_ = kOpenEntryColour;
};

// The ticketDate of the highest-numbered ticket below the given one that
// names the same recipient; 0 when there is none.
util::OleDate LatestSarfia(const core::App& app, std::int32_t ticket);

// The main window's dispensing button: the ticket screen, modally, unless
// another running copy of the program ends this one. The caller has checked
// the login.
void OpenTicketScreen(core::App& app);

}  // namespace dispensing
