#include "storage/fields.h"

#include <algorithm>

#include "storage/cp1256.h"
#include "storage/helpers.h"

namespace storage {

std::string ReadFixedText(ConstBytes rec, std::size_t offset, std::size_t n) {
  if (offset >= rec.size()) return {};
  n = std::min(n, rec.size() - offset);
  return DecodeCp1256(rec.subspan(offset, n));
}

std::string ReadCleanText(ConstBytes rec, std::size_t offset, std::size_t n) {
  return CleanText(ReadFixedText(rec, offset, n));
}

void WriteFixedText(Bytes rec, std::size_t offset, std::size_t n, std::string_view utf8) {
  if (offset >= rec.size()) return;
  n = std::min(n, rec.size() - offset);
  auto encoded = EncodeCp1256(utf8);
  std::size_t copy = std::min(n, encoded.size());
  std::copy_n(encoded.begin(), copy, rec.begin() + static_cast<std::ptrdiff_t>(offset));
  std::fill_n(rec.begin() + static_cast<std::ptrdiff_t>(offset + copy), n - copy, std::uint8_t{' '});
}

VarText ReadVarText(ConstBytes rec, std::size_t offset) {
  std::int16_t declared = ReadInteger(rec, offset);
  std::size_t start = offset + 2;
  if (start > rec.size() || declared <= 0) return {{}, std::min(start, rec.size())};
  std::size_t len = std::min<std::size_t>(static_cast<std::size_t>(declared), rec.size() - start);
  return {DecodeCp1256(rec.subspan(start, len)), start + len};
}

std::optional<std::size_t> WriteVarText(Bytes rec, std::size_t offset, std::string_view utf8) {
  auto encoded = EncodeCp1256(utf8);
  if (offset + 2 > rec.size() || encoded.size() > rec.size() - offset - 2) return std::nullopt;
  WriteInteger(rec, offset, static_cast<std::int16_t>(encoded.size()));
  std::copy(encoded.begin(), encoded.end(), rec.begin() + static_cast<std::ptrdiff_t>(offset + 2));
  return offset + 2 + encoded.size();
}

}  // namespace storage
