#include "drugs/form_ds.h"

#include <cstddef>

#include "drugs/drug_table.h"
#include "drugs/wildcard.h"
#include "storage/fields.h"

namespace drugs {
namespace {

// The name as the record stores it: padding and all, not cleaned.
std::string StoredName(const storage::DrugRecord& drug) {
  return storage::ReadFixedText(drug.bytes(), 0, 30);
}

}  // namespace

template <class Qualifies>
void FormDs::Fill(Qualifies qualifies) {
  list_.clear();
  const auto& table = app_.drugs();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (qualifies(table[n])) list_.push_back(table[n].drugName());
  }
}

void FormDs::Letter(int index) {
  if (index < 0 || index >= static_cast<int>(kLetters.size())) return;
  std::string_view letter = kLetters[static_cast<std::size_t>(index)];
  Fill([letter](const storage::DrugRecord& d) { return StoredName(d).starts_with(letter); });
}

void FormDs::Refrigerator() {
  Fill([](const storage::DrugRecord& d) {
    return !d.IsFree() && d.storageTemperature() < kRefrigeratorBelow;
  });
}

void FormDs::Schedule() {
  Fill([](const storage::DrugRecord& d) { return !d.IsFree() && d.narcoticsSchedule() > 0; });
}

void FormDs::SpecialNature() {
  Fill([](const storage::DrugRecord& d) { return !d.IsFree() && d.specialNature(); });
}

void FormDs::SetSearchText(std::string text) {
  searchText_ = std::move(text);
  std::string pattern = "*";
  for (char c : searchText_) {
    if (c == ' ') {
      pattern += '*';
    } else {
      pattern += c;
    }
  }
  pattern += '*';
  Fill([&pattern](const storage::DrugRecord& d) { return WildcardMatch(StoredName(d), pattern); });
}

void FormDs::ClickItem(int row) {
  if (row < 0 || row >= static_cast<int>(list_.size())) return;
  app_.currentDrugNo = FindDrugByName(app_, list_[static_cast<std::size_t>(row)]);
  closed_ = true;
}

std::int32_t OpenDrugSearch(core::App& app) {
  FormDs dialog(app);
  app.interaction().RunModal(dialog);
  return app.currentDrugNo;
}

}  // namespace drugs
