#pragma once
// Field encodings of the record files: little-endian numbers, OLE dates,
// Booleans as 0 / -1, space-padded fixed texts and length-prefixed variable
// texts in code page 1256. Every accessor checks its bounds: a field that lies
// beyond the record reads as zero and is not written.

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace storage {

using Bytes = std::span<std::uint8_t>;
using ConstBytes = std::span<const std::uint8_t>;

namespace detail {
template <class T>
T ReadScalar(ConstBytes rec, std::size_t offset) {
  T value{};
  if (offset <= rec.size() && rec.size() - offset >= sizeof(T)) {
    std::memcpy(&value, rec.data() + offset, sizeof(T));
  }
  return value;
}
template <class T>
void WriteScalar(Bytes rec, std::size_t offset, T value) {
  if (offset <= rec.size() && rec.size() - offset >= sizeof(T)) {
    std::memcpy(rec.data() + offset, &value, sizeof(T));
  }
}
}  // namespace detail

static_assert(std::endian::native == std::endian::little, "record files are little-endian");

inline std::int16_t ReadInteger(ConstBytes r, std::size_t o) { return detail::ReadScalar<std::int16_t>(r, o); }
inline std::int32_t ReadLong(ConstBytes r, std::size_t o) { return detail::ReadScalar<std::int32_t>(r, o); }
inline float ReadSingle(ConstBytes r, std::size_t o) { return detail::ReadScalar<float>(r, o); }
inline double ReadDouble(ConstBytes r, std::size_t o) { return detail::ReadScalar<double>(r, o); }
inline double ReadDate(ConstBytes r, std::size_t o) { return detail::ReadScalar<double>(r, o); }
inline bool ReadBoolean(ConstBytes r, std::size_t o) { return detail::ReadScalar<std::int16_t>(r, o) != 0; }

inline void WriteInteger(Bytes r, std::size_t o, std::int16_t v) { detail::WriteScalar(r, o, v); }
inline void WriteLong(Bytes r, std::size_t o, std::int32_t v) { detail::WriteScalar(r, o, v); }
inline void WriteSingle(Bytes r, std::size_t o, float v) { detail::WriteScalar(r, o, v); }
inline void WriteDouble(Bytes r, std::size_t o, double v) { detail::WriteScalar(r, o, v); }
inline void WriteDate(Bytes r, std::size_t o, double v) { detail::WriteScalar(r, o, v); }
inline void WriteBoolean(Bytes r, std::size_t o, bool v) {
  detail::WriteScalar<std::int16_t>(r, o, v ? std::int16_t{-1} : std::int16_t{0});
}

// Fixed text of n characters, decoded to UTF-8 as stored (NULs and padding
// kept); readers pass it through CleanText.
std::string ReadFixedText(ConstBytes rec, std::size_t offset, std::size_t n);
// Fixed text of n characters, cleaned (the form every reader uses).
std::string ReadCleanText(ConstBytes rec, std::size_t offset, std::size_t n);
// Stores the text left-aligned, padded with spaces and cut at n characters.
void WriteFixedText(Bytes rec, std::size_t offset, std::size_t n, std::string_view utf8);

// Variable text: a 2-byte length L then L bytes. The text is read up to the
// record's end even when L claims more.
struct VarText {
  std::string text;        // UTF-8
  std::size_t nextOffset;  // where the field after it starts
};
VarText ReadVarText(ConstBytes rec, std::size_t offset);
// Writes the text at offset; returns the offset after it, or nothing (and
// writes nothing) when the text does not fit in the record.
std::optional<std::size_t> WriteVarText(Bytes rec, std::size_t offset, std::string_view utf8);

}  // namespace storage
