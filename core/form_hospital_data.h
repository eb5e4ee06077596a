#pragma once
// The hospital sub-data screen of the administration store: for one
// hospital or health unit (a recipient 1..500), the expected monthly
// requirement of every drug, edited row by row and written by "حفظ".
// Edits that are not written are taken back when the screen closes, so the
// store screen never works with a requirement the file does not hold.

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/result.h"
#include "util/grid.h"
#include "util/interaction.h"
#include "util/numbers.h"

namespace core {

// What the screen needs of the recipient table, whose operations and pick
// list live above the core: the first free recipient (0 when none) and the
// pick list (the chosen recipient, 0 when none).
struct RecipientSearch {
  std::function<std::int32_t(const App&)> firstFree;
  std::function<std::int32_t(App&)> choose;
};

class FormHospitaldata : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormHospitaldata";
  static constexpr std::string_view kCaption =
      "الاحتياجات الشهرية المتوقعة لكل صنف  في كل مستشفي او وحدة صحية";
  static constexpr std::string_view kLocalNumberLabel = "رقم محلي";
  static constexpr std::string_view kNameLabel = "اسم الوحدة او المستشفي";
  static constexpr std::string_view kSaveCaption = "حفظ";
  static constexpr std::string_view kCloseCaption = "X";
  static constexpr std::string_view kRequirementTitle =
      "ادخل المطلوب شهريا من هذا الصنف لهذه المستشفي";
  static constexpr std::string_view kColumnWidths = "825-4185-1215";
  static constexpr util::Colour kNeedColour = util::Rgb(0, 0, 0);
  // A drug without a need (below 1) is written in dark red.
  static constexpr util::Colour kNoNeedColour = util::Rgb(155, 10, 10);

  // Opening: the last used recipient (the one before the first free record,
  // at most 500) is shown.
  FormHospitaldata(App& app, RecipientSearch recipients);
  std::string_view ScreenName() const override { return kName; }

  // The recipient shown (LLL; 0 while none is) and its name.
  std::int32_t LLL() const { return lll_; }
  const std::string& TextName() const { return textName_; }

  // Shows recipient p: nothing below 1, recipient 500 above 500. The grid
  // lists every drug with a name, the highest number at the top: number,
  // name, monthly requirement.
  void Show(std::int32_t hospital);
  // A click on LLL: the pick list, then the chosen recipient.
  void ClickLLL();
  // A click on a grid row with a drug: the input dialog with the row's
  // requirement; an answer (not a cancel) becomes the requirement, rounded
  // to a whole number, in memory.
  void ClickRow(int row);
  // "حفظ": writes the recipient's record and closes the screen. When the
  // write fails the message is shown and the screen stays open.
  Result Save();
  // "X" and the window's close button: closes without writing.
  void Close();

  bool closed() const { return closed_; }

  util::Grid Xxx{"Xxx", 2, 3};

 private:
  void ColourRows();
  // Reads the records edited and not written back from the file.
  void DiscardUnsavedEdits();

  App& app_;
  RecipientSearch recipients_;
  std::int32_t lll_ = 0;
  std::string textName_;
  // The grid's top row as the last edit left it.
  int topRow_ = 1;
  std::set<std::int32_t> unsaved_;
  bool closed_ = false;
};

// The screen, modally: for user 1 of the administration store only. Nothing
// happens in the other program types; another user is told
// kFirstUserRightOnly.
void OpenHospitalSubData(App& app, RecipientSearch recipients);

}  // namespace core
