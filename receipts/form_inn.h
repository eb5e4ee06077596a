#pragma once
// The receipt screen "طلبية وارد": one incoming order at a time, with up to
// 30 lines of drug, quantity and expiry month, its supplier, its date, and
// Send / Back that moves its quantities into or out of the drug balances.
//
// The controls are plain data: the view shows them and writes back what the
// user types into the text members; every action is one method, and the
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

namespace receipts {

class FormInn : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormInn";
  static constexpr std::string_view kCaption = "طلبية وارد";

  // Captions of the controls.
  static constexpr std::string_view kPreviousCaption = "<";
  static constexpr std::string_view kNextCaption = ">";
  static constexpr std::string_view kNewOrderCaption = "طلبية جديدة";
  static constexpr std::string_view kNumberLabel = "بحث بالرقم";
  static constexpr std::string_view kNameLabel = "الاسم";
  static constexpr std::string_view kQuantityLabel = "الوارد";
  static constexpr std::string_view kExpiryLabel = "الصلاحية";
  static constexpr std::string_view kAddCaption = "اضف";
  static constexpr std::string_view kSupplierLabel = "جهة التوريد";
  static constexpr std::string_view kUserLabel = "رقم المستخدم";
  static constexpr std::string_view kSendCaption = "Send";
  static constexpr std::string_view kBackCaption = "Back";
  static constexpr std::string_view kEditMenu = "تحرير";
  static constexpr std::string_view kChangeDateMenu = "تغيير تاريخ الطلبية";
  static constexpr std::string_view kDeleteAllMenu = "حذف كل الطلبية";

  // Messages and questions.
  static constexpr std::string_view kNotEnough = "Not Enough";
  static constexpr std::string_view kAskRemoveLine = "هل تود حذف هذه الدواء من التذكرة";
  static constexpr std::string_view kRemoveRefused =
      "لم نتمكن من الحذف ربما لان التذكرة محفوظة او انك لا تملك الصلاحية";
  static constexpr std::string_view kNotTheWriter = "انت لست كاتب هذه الطلبية";
  static constexpr std::string_view kAskDeleteAll = "هل تود فعلا حذف الفاتورة الحالية؟";
  // The expiry month typed is not a month of the form MM-YYYY.
  static constexpr std::string_view kBadExpiryMonth =
      "الصلاحية غير صحيحة: اكتب الشهر والسنة بالشكل MM-YYYY مثل 06-2027";
  // Every one of the 5000 order numbers holds an order.
  static constexpr std::string_view kReceiptFileFull =
      "ملف طلبيات الوارد ممتلئ: كل ارقام الطلبيات من 1 الي 5000 مستخدمة";

  static constexpr util::Colour kSentEntryColour = util::Rgb(100, 200, 120);
  static constexpr util::Colour kOpenEntryColour = util::Rgb(255, 255, 255);

  static constexpr int kGridLines = 30;
  static constexpr int kExpiryMonths = 60;
  // The expiry box starts on the month this many months after the current one.
  static constexpr int kExpiryStartAhead = 24;
  // Order dates before this day are refused by the date change.
  static constexpr int kEarliestYear = 2015;

  // Where the input focus belongs after an action; the view follows it.
  enum class Focus { Text1, Combo1, Text2, ComboExpire };

  // Opening: the grid and the two lists, then the last used order (order 1
  // on a new installation), whose number is stored in the settings record.
  explicit FormInn(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  // --- The keyboard flow ---
  // A change of the number box; a number 1..1500 puts that drug's name into
  // the name box.
  void SetText1(std::string text);
  // Enter in the number box: New order on "+", else on to the quantity.
  void EnterInText1();
  void EnterInCombo1();
  void EnterInText2();
  // Enter in the expiry box: Add line, then the three entries are emptied
  // and the number box takes the focus. A refused expiry month keeps them
  // and the focus, so the month can be corrected.
  void EnterInComboExpire();

  // --- Actions ---
  void AddLine();
  // Send / Back, refused for an order dated on or before the anchor date.
  void SendOrBack();
  void NewOrder();
  void Previous();
  void Next();
  // A click on a grid row (1..30): removes that line after a question.
  void ClickRow(int row);
  // A click on the supplier label: the supplier dialog.
  void ChooseSupplier();
  // Menu: change the order date through the date dialog.
  void ChangeDate();
  // Menu: delete the whole order (every line but the first).
  void DeleteWholeOrder();

  // --- State ---
  // The shown order's number.
  std::int32_t shown() const { return shown_; }
  Focus focus() const { return focus_; }

  // Entry boxes, written by the view as the user types.
  std::string Text1;
  std::string Combo1;
  std::string Text2;
  std::string ComboExpire;

  // The name list (cleaned names of the catalogue, sorted) and the 60
  // expiry months, latest first.
  const std::vector<std::string>& Combo1List() const { return combo1List_; }
  const std::vector<std::string>& ComboExpireList() const { return comboExpireList_; }

  // Labels.
  const std::string& LLL() const { return lll_; }
  const std::string& LLLDate() const { return lllDate_; }
  const std::string& CCCDay() const { return cccDay_; }
  const std::string& LLLMRD() const { return lllMrd_; }
  const std::string& lllUserId() const { return lllUserId_; }
  const std::string& Command7() const { return command7_; }

  // The four entry boxes and "اضف" together: enabled or not, and the boxes'
  // background colour.
  bool entriesEnabled() const { return entriesEnabled_; }
  util::Colour entryColour() const { return entryColour_; }

  util::Grid& xxx() { return xxx_; }
  const util::Grid& xxx() const { return xxx_; }

 private:
  enum class AddOutcome { Stored, Stopped, BadExpiry };
  AddOutcome TryAddLine();
  void ShowPage(std::int32_t receipt);
  // Send / Back of the shown order, with the anchor-date refusal.
  void SendShown();
  void ClearEntries();
  // The last order that Next may show.
  std::int32_t LastOrder() const;

  core::App& app_;
  util::Grid xxx_;
  std::vector<std::string> combo1List_;
  std::vector<std::string> comboExpireList_;
  std::int32_t shown_ = 0;
  Focus focus_ = Focus::Text1;
  std::string lll_;
  std::string lllDate_;
  std::string cccDay_;
  std::string lllMrd_;
  std::string lllUserId_;
  std::string command7_{kSendCaption};
  bool entriesEnabled_ = true;
  util::Colour entryColour_ = kOpenEntryColour;
};

// The 15th of the month typed as "MM-YYYY" (month 01..12, a four-digit
// year; blanks around it are left out); 0 for any other text.
util::OleDate ExpiryMonth(std::string_view typed);

// The main window's incoming button: the receipt screen, modally. The caller
// has checked the login and the network path.
void OpenReceiptScreen(core::App& app);

}  // namespace receipts
