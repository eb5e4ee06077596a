#pragma once
// In-memory tables of fixed-length records. A record is held as the bytes of
// its file image, so every byte the program does not know (reserved fields,
// unused tails) is written back exactly as it was read. Element n of a table
// is record n of its file; element 0 exists and never touches the file.

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/fields.h"
#include "storage/record_file.h"

namespace storage {

template <std::size_t Length>
class FixedRecord {
 public:
  static constexpr std::size_t kLength = Length;

  std::span<std::uint8_t, Length> bytes() { return raw_; }
  std::span<const std::uint8_t, Length> bytes() const { return raw_; }
  bool operator==(const FixedRecord&) const = default;

 protected:
  std::int16_t Integer(std::size_t o) const { return ReadInteger(raw_, o); }
  std::int32_t Long(std::size_t o) const { return ReadLong(raw_, o); }
  float Single(std::size_t o) const { return ReadSingle(raw_, o); }
  double Double(std::size_t o) const { return ReadDouble(raw_, o); }
  bool Boolean(std::size_t o) const { return ReadBoolean(raw_, o); }
  std::string Text(std::size_t o, std::size_t n) const { return ReadCleanText(raw_, o, n); }

  void SetInteger(std::size_t o, std::int16_t v) { WriteInteger(raw_, o, v); }
  void SetLong(std::size_t o, std::int32_t v) { WriteLong(raw_, o, v); }
  void SetSingle(std::size_t o, float v) { WriteSingle(raw_, o, v); }
  void SetDouble(std::size_t o, double v) { WriteDouble(raw_, o, v); }
  void SetBoolean(std::size_t o, bool v) { WriteBoolean(raw_, o, v); }
  void SetText(std::size_t o, std::size_t n, std::string_view v) { WriteFixedText(raw_, o, n, v); }

 private:
  std::array<std::uint8_t, Length> raw_{};
};

// A table of records 0..Capacity held in one contiguous array. The array
// comes zeroed from the system, so the pages of records never read or
// written (most of a 500000-ticket table) cost no memory.
template <class Record>
class RecordTable {
  static_assert(std::is_trivially_copyable_v<Record>, "a record is plain bytes");

 public:
  static constexpr std::size_t kLength = Record::kLength;

  explicit RecordTable(std::size_t capacity) : size_(capacity + 1), records_(Allocate(size_)) {}
  RecordTable(const RecordTable& other) : size_(other.size_), records_(Allocate(size_)) {
    std::memcpy(records_.get(), other.records_.get(), size_ * sizeof(Record));
  }
  RecordTable& operator=(const RecordTable& other) {
    if (this != &other) *this = RecordTable(other);
    return *this;
  }
  RecordTable(RecordTable&&) noexcept = default;
  RecordTable& operator=(RecordTable&&) noexcept = default;

  std::size_t capacity() const { return size_ - 1; }
  Record& operator[](std::size_t n) { return records_[n]; }
  const Record& operator[](std::size_t n) const { return records_[n]; }
  bool Contains(std::size_t n) const { return n >= 1 && n < size_; }

  // Reads records first..last of the file into the same elements.
  IoStatus Load(const std::filesystem::path& file, std::size_t first, std::size_t last) {
    if (first < 1) first = 1;
    if (last > capacity()) last = capacity();
    if (first > last) return IoStatus::Ok();
    static_assert(sizeof(Record) == kLength, "a record is exactly its file image");
    auto* data = reinterpret_cast<std::uint8_t*>(&records_[first]);
    std::size_t count = last - first + 1;
    return ReadRecords(file, kLength, first, count, std::span<std::uint8_t>(data, count * kLength));
  }
  IoStatus Load(const std::filesystem::path& file) { return Load(file, 1, capacity()); }

  // Writes element n as record n.
  IoStatus SaveRecord(const std::filesystem::path& file, std::size_t n) const {
    if (!Contains(n)) return IoStatus::Ok();
    return WriteRecord(file, kLength, n, records_[n].bytes());
  }

  // Writes elements 1..capacity as the whole file (exactly capacity records).
  IoStatus SaveTable(const std::filesystem::path& file) const {
    // data() + 1, not &records_[1]: a table of capacity 0 has no element 1.
    auto* data = reinterpret_cast<const std::uint8_t*>(records_.get() + 1);
    return ReplaceFile(file, std::span<const std::uint8_t>(data, capacity() * kLength));
  }

  void Clear() { std::memset(static_cast<void*>(records_.get()), 0, size_ * sizeof(Record)); }

 private:
  struct Free {
    void operator()(Record* p) const { std::free(p); }
  };
  static Record* Allocate(std::size_t n) {
    void* p = std::calloc(n, sizeof(Record));
    if (p == nullptr) throw std::bad_alloc();
    return static_cast<Record*>(p);
  }

  std::size_t size_;
  std::unique_ptr<Record[], Free> records_;
};

}  // namespace storage
