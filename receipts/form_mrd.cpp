#include "receipts/form_mrd.h"

#include <cstddef>

#include "receipts/suppliers.h"
#include "storage/helpers.h"

namespace receipts {

FormMrd::FormMrd(core::App& app) : app_(app) { Refill(); }

void FormMrd::Refill() {
  list_.clear();
  const auto& table = app_.suppliers();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    std::string name = storage::CleanText(table[n].name());
    if (!name.empty()) list_.push_back(std::move(name));
  }
  if (selected_ >= static_cast<int>(list_.size())) selected_ = -1;
}

void FormMrd::Select(int row) {
  selected_ = row >= 0 && row < static_cast<int>(list_.size()) ? row : -1;
}

std::string FormMrd::SelectedText() const {
  return selected_ >= 0 ? list_[static_cast<std::size_t>(selected_)] : std::string();
}

void FormMrd::Tell(const core::Result& result) {
  if (!result.done() && !result.message().empty()) {
    app_.interaction().ShowMessage(result.message(), result.failed() ? util::MessageIcon::Error
                                                                     : util::MessageIcon::Warning);
  }
}

void FormMrd::Send() {
  std::int32_t n = FindSupplierByName(app_, SelectedText());
  if (n == 0) return;
  app_.chosenItemNo = n;
  closed_ = true;
}

void FormMrd::Add() {
  if (FirstFreeSupplier(app_) == 0) return;
  std::string answer = app_.interaction().InputBox(kAddPrompt).value_or(std::string());
  Tell(AddSupplier(app_, answer));
  Refill();
}

void FormMrd::Rename() {
  std::int32_t n = FindSupplierByName(app_, SelectedText());
  if (n == 0) return;
  std::string answer = app_.interaction().InputBox(kRenamePrompt).value_or(std::string());
  Tell(RenameSupplier(app_, n, answer));
  Refill();
}

std::int32_t OpenSupplierDialog(core::App& app) {
  FormMrd dialog(app);
  app.interaction().RunModal(dialog);
  return app.chosenItemNo;
}

}  // namespace receipts
