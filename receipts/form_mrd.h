#pragma once
// The supplier dialog: the list of suppliers in number order, "تعديل" that
// makes the dialog taller to show the rename and add buttons, and the send
// button that hands the selected supplier's number back through
// App::chosenItemNo. Closed without a choice, chosenItemNo keeps its value,
// so callers that need to tell set it to 0 first. A full list, a name of
// fewer than 3 characters and a send or rename without a selection are
// ignored without a word.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/result.h"
#include "util/interaction.h"

namespace receipts {

class FormMrd : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFMRD";
  static constexpr std::string_view kCaption = "الموردين";
  // The dialog's height in twips: short, then tall after "تعديل".
  static constexpr int kShortHeight = 6684;
  static constexpr int kTallHeight = 8145;
  static constexpr std::string_view kEditCaption = "تعديل";
  static constexpr std::string_view kSendCaption = "ارسال المورد الحالي الي الشاشة التي طلبته";
  static constexpr std::string_view kRenameCaption = "تعديل اسم المورد الحالي";
  static constexpr std::string_view kAddCaption = "اضافة مورد جديد";
  static constexpr std::string_view kAddPrompt = "ادخل اسم المورد";
  static constexpr std::string_view kRenamePrompt = "ادخل الاسم الجديد";

  // Opening fills the list.
  explicit FormMrd(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  // List1: the cleaned non-empty names, in number order.
  const std::vector<std::string>& list() const { return list_; }
  // The selected row of the list; -1 when none.
  int selected() const { return selected_; }
  void Select(int row);

  int height() const { return tall_ ? kTallHeight : kShortHeight; }
  // The rename and add buttons show only in the tall dialog.
  bool tall() const { return tall_; }

  void Edit() { tall_ = true; }
  // The selected supplier's number into chosenItemNo, and the dialog closes;
  // nothing without a selection.
  void Send();
  // Asks for a name and adds it under the first free number.
  void Add();
  // Asks for a new name for the selected supplier.
  void Rename();

  bool closed() const { return closed_; }

 private:
  void Refill();
  std::string SelectedText() const;
  // Shows the message of a refusal that has one or of a failed write.
  void Tell(const core::Result& result);

  core::App& app_;
  std::vector<std::string> list_;
  int selected_ = -1;
  bool tall_ = false;
  bool closed_ = false;
};

// Shows the supplier dialog modally; returns App::chosenItemNo afterwards.
std::int32_t OpenSupplierDialog(core::App& app);

}  // namespace receipts
