#pragma once
// Small helpers of the storage tests: whole files as bytes, seeded random
// bytes and little-endian images built byte by byte (without the library's
// own field writers, so the tests check the encodings independently).

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

namespace storage_test {

using ByteVector = std::vector<std::uint8_t>;

inline ByteVector ReadFileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return ByteVector(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& file, const ByteVector& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << file;
}

inline ByteVector RandomBytes(std::uint32_t seed, std::size_t n) {
  std::mt19937 gen(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  ByteVector out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(byte(gen));
  return out;
}

// The names in a folder, sorted.
inline std::vector<std::string> FolderNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The little-endian bytes of a number, taken apart by shifts.
template <class T>
ByteVector Le(T value) {
  static_assert(std::is_arithmetic_v<T>);
  using U = std::conditional_t<sizeof(T) == 2, std::uint16_t,
                               std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>>;
  U bits = std::bit_cast<U>(value);
  ByteVector out;
  for (std::size_t i = 0; i < sizeof(T); ++i) {
    out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  return out;
}

// Text bytes padded with spaces to n.
inline ByteVector Padded(ByteVector bytes, std::size_t n) {
  bytes.resize(n, std::uint8_t{' '});
  return bytes;
}

inline ByteVector Ascii(std::string_view s) { return ByteVector(s.begin(), s.end()); }

}  // namespace storage_test
