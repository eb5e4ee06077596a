#include "receipts/suppliers.h"

#include <cstddef>
#include <string>

#include "core/tables.h"
#include "storage/cp1256.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "storage/name_records.h"

namespace receipts {
namespace {

using storage::SupplierRecord;

constexpr std::size_t kShortestName = 3;

bool IsSupplierNumber(std::int32_t n) {
  return n >= 1 && static_cast<std::size_t>(n) <= storage::kMaxSuppliers;
}

// Names of fewer than 3 characters (once cleaned) are ignored without a word.
bool TooShort(std::string_view answer) {
  return storage::Cp1256Length(storage::CleanText(answer)) < kShortestName;
}

std::string TooLongMessage() {
  return "اسم المورد طويل جدا ولم يحفظ: الحد الاقصي " +
         std::to_string(SupplierRecord::kMaxNameBytes) + " حرفا";
}

// Stores the name as supplier n and writes the list; on a failed write the
// record is put back as it was.
core::Result Store(core::App& app, std::int32_t n, std::string_view answer) {
  SupplierRecord& rec = app.suppliers()[static_cast<std::size_t>(n)];
  const SupplierRecord before = rec;
  if (!rec.setName(answer)) return core::Result::Refused(TooLongMessage());
  if (auto status = core::SaveSuppliers(app); !status) {
    rec = before;
    return core::Result::Failed(status.message());
  }
  return core::Result::Done();
}

}  // namespace

std::int32_t FirstFreeSupplier(const core::App& app) {
  const auto& table = app.suppliers();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (table[n].IsFree()) return static_cast<std::int32_t>(n);
  }
  return 0;
}

std::int32_t FindSupplierByName(const core::App& app, std::string_view text) {
  std::string wanted = storage::CleanText(text);
  if (wanted.empty()) return 0;
  const auto& table = app.suppliers();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (storage::CleanText(table[n].name()) == wanted) return static_cast<std::int32_t>(n);
  }
  return 0;
}

core::Result AddSupplier(core::App& app, std::string_view answer, std::int32_t* number) {
  if (number != nullptr) *number = 0;
  std::int32_t n = FirstFreeSupplier(app);
  if (n == 0 || TooShort(answer)) return core::Result::Refused();
  core::Result result = Store(app, n, answer);
  if (result && number != nullptr) *number = n;
  return result;
}

core::Result RenameSupplier(core::App& app, std::int32_t number, std::string_view answer) {
  if (!IsSupplierNumber(number) || app.suppliers()[static_cast<std::size_t>(number)].IsFree() ||
      TooShort(answer)) {
    return core::Result::Refused();
  }
  return Store(app, number, answer);
}

}  // namespace receipts
