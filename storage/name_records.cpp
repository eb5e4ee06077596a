#include "storage/name_records.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "storage/cp1256.h"
#include "storage/helpers.h"

namespace storage {
namespace {

std::size_t StoredLength(ConstBytes rec) {
  std::uint16_t n = 0;
  std::memcpy(&n, rec.data(), 2);
  return std::min<std::size_t>(n, rec.size() - 2);
}

std::string StoredName(ConstBytes rec) {
  return DecodeCp1256(rec.subspan(2, StoredLength(rec)));
}

}  // namespace

std::string SupplierRecord::name() const { return StoredName(bytes()); }

bool SupplierRecord::setName(std::string_view utf8) {
  auto encoded = EncodeCp1256(utf8);
  if (encoded.size() > kMaxNameBytes) return false;
  return WriteVarText(bytes(), 0, utf8).has_value();
}

bool SupplierRecord::IsFree() const { return CleanText(name()).empty(); }

std::string PatientRecord::name() const { return StoredName(bytes()); }

std::size_t PatientRecord::FieldsAt() const { return 2 + StoredLength(bytes()); }

bool PatientRecord::setName(std::string_view utf8) {
  auto encoded = EncodeCp1256(utf8);
  if (encoded.size() > kMaxNameBytes) return false;
  // Keep the 48 bytes of fields (reserved ones included) and put them back
  // right after the new name.
  std::array<std::uint8_t, kFieldBytes> fields{};
  auto raw = bytes();
  std::size_t from = FieldsAt();
  if (from < kLength) {
    std::size_t n = std::min(kFieldBytes, kLength - from);
    std::copy_n(raw.begin() + static_cast<std::ptrdiff_t>(from), n, fields.begin());
  }
  std::uint16_t length = static_cast<std::uint16_t>(encoded.size());
  std::memcpy(raw.data(), &length, 2);
  std::copy(encoded.begin(), encoded.end(), raw.begin() + 2);
  std::copy(fields.begin(), fields.end(), raw.begin() + static_cast<std::ptrdiff_t>(2 + encoded.size()));
  return true;
}

bool PatientRecord::IsFree() const { return CleanText(name()).empty(); }

}  // namespace storage
