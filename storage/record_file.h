#pragma once
// Fixed-length record files: record n (from 1) occupies bytes
// (n - 1) * length .. n * length - 1. There is no header and no count. Each
// operation opens the file, acts and closes it again.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace storage {

// The outcome of a file operation: an I/O failure carries a message in Arabic
// that a screen can show as it is.
class IoStatus {
 public:
  static IoStatus Ok() { return IoStatus(); }
  static IoStatus Failed(std::string message) {
    IoStatus s;
    s.ok_ = false;
    s.message_ = std::move(message);
    return s;
  }
  bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const std::string& message() const { return message_; }

 private:
  bool ok_ = true;
  std::string message_;
};

// Reads records first..first + count - 1 into out (count * length bytes).
// Missing or short records read as zero bytes; bytes of the file past the
// last record asked for are not read. A file that does not exist is created
// empty when its folder allows it, and reads as all zeros.
IoStatus ReadRecords(const std::filesystem::path& file, std::size_t recordLength,
                     std::size_t first, std::size_t count, std::span<std::uint8_t> out);

// Writes one record in place. A shorter file is extended; the bytes between
// its old end and the record are zero.
IoStatus WriteRecord(const std::filesystem::path& file, std::size_t recordLength, std::size_t n,
                     std::span<const std::uint8_t> record);

// Reads and writes bytes at an offset of a file already open for reading
// and writing: the descriptor that holds a lock of the records, since on
// some network shares a locked region can only be read and written through
// the descriptor holding the lock. `file` names the file in the messages.
// A read past the end of the file gives zero bytes; a write is flushed to
// the disk before it returns.
IoStatus ReadAt(int fd, const std::filesystem::path& file, std::uint64_t offset,
                std::span<std::uint8_t> out);
IoStatus WriteAt(int fd, const std::filesystem::path& file, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes);

// Replaces the whole file: the bytes go to a temporary file in the same
// folder, which is flushed to disk and renamed over the old file. A failure
// leaves the old file as it was.
IoStatus ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> content);

}  // namespace storage
