#pragma once
// Opening balances: the stock each drug held at the end of a month, and the
// earliest expiry month of that stock, entered before the first receipt or
// ticket. Once documents exist only technical support may change them.
//
// The screen "الاصردة الافتتاحية" lists every drug; a click on a row takes
// that drug into the entries, OK stores its opening balance (which also
// becomes its balance) and its expiry month.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/result.h"
#include "util/clock.h"
#include "util/grid.h"
#include "util/interaction.h"

namespace receipts {

// The refusal of OK once documents exist.
inline constexpr std::string_view kOpeningBalanceNeedsEmptyProgram =
    "يتم ادخال الرصيد الافتتاحي علي برنامج فارج من طلبيات الوارد والمنصرف";

// True when any of the tickets 1..last or the receipts 1..last holds a line,
// whatever its state.
bool DocumentsHoldLines(const core::App& app, std::int32_t last);

// OK's rules for one drug: unless technical support is logged in, refused
// with kOpeningBalanceNeedsEmptyProgram (shown) while any of the tickets or
// receipts 1..200 holds a line. Then the drug's opening balance and its
// balance become the quantity, its expiry date the given date (0: none), and
// the whole drug file is written; when it cannot be written the drug keeps
// its former values and the failure comes back (not shown). Refused silently
// for a drug number outside 1..1500.
core::Result StoreOpeningBalance(core::App& app, std::int32_t drug, std::int32_t quantity,
                                 util::OleDate expiry);

class FormRasidStart : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormRasidStart";
  static constexpr std::string_view kCaption = "الاصردة الافتتاحية";
  static constexpr std::string_view kHeading =
      "الارصدة المدخلة يجب ان تكون مطابقة لرصيد الادوية في نهاية احد الشهور";
  static constexpr std::string_view kQuantityLabel = "الرصيد بعد نهاية اخر يوم في الشهر";
  static constexpr std::string_view kExpiryLabel = "اقدم صلاحية للكمية الموجودة";
  static constexpr std::string_view kOkCaption = "OK";
  // The blank item of the month and year lists: no expiry date.
  static constexpr std::string_view kBlank = " ";

  static constexpr int kRows = 1500;
  // Years offered: the current one and the 11 after it.
  static constexpr int kYearsAhead = 11;
  // Documents that close the inputs when the screen opens, and that refuse OK.
  static constexpr std::int32_t kDocumentsOnOpening = 1000;
  static constexpr std::int32_t kDocumentsOnOk = 200;

  enum class Focus { Grid, TextQ, ComboM, ComboY, Ok };

  // Opening: the grid of all drugs and the two lists; unless technical
  // support is logged in, the inputs are closed when any of the tickets or
  // receipts 1..1000 holds a line.
  explicit FormRasidStart(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  // A click on a grid row: that drug's name, opening balance and expiry
  // month into the entries.
  void ClickRow(int row);
  // The keyboard flow.
  void EnterInTextQ() { focus_ = Focus::ComboM; }
  void EnterInComboM() { focus_ = Focus::ComboY; }
  void EnterInComboY() { focus_ = Focus::Ok; }
  // OK: stores the chosen drug's opening balance, balance and expiry month;
  // the grid is filled again at the same scroll position.
  void Ok();

  Focus focus() const { return focus_; }
  // TextQ, ComboM, ComboY and OK.
  bool inputsEnabled() const { return inputsEnabled_; }

  // The chosen drug's name.
  const std::string& LLLDrugName() const { return lllDrugName_; }
  // The entries, written by the view. ComboM and ComboY hold an item of
  // their lists.
  std::string TextQ;
  std::string ComboM{kBlank};
  std::string ComboY{kBlank};
  // The blank item, then "1".."12".
  const std::vector<std::string>& ComboMList() const { return comboMList_; }
  // The blank item, then the years offered (and a chosen drug's earlier
  // expiry year, so that it shows as stored).
  const std::vector<std::string>& ComboYList() const { return comboYList_; }

  util::Grid& xxx() { return xxx_; }
  const util::Grid& xxx() const { return xxx_; }

 private:
  void FillGrid();
  void ListYear(int year);

  core::App& app_;
  util::Grid xxx_;
  std::vector<std::string> comboMList_;
  std::vector<std::string> comboYList_;
  std::string lllDrugName_;
  bool inputsEnabled_ = true;
  Focus focus_ = Focus::Grid;
};

// The file menu's opening-balance entry: the screen, modally. The caller
// has checked the login.
void OpenOpeningBalance(core::App& app);

// The help menu's entry on this screen: its text in the text window.
inline constexpr std::string_view kOpeningBalanceHelpTitle = "شاشة الارصدة الافتتاحية";
std::string OpeningBalanceHelpText();
void ShowOpeningBalanceHelp(core::App& app);

}  // namespace receipts
