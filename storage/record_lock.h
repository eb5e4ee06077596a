#pragma once
// An advisory write lock on a byte range of a shared record file, so that
// workstations running on one data folder do not both take the same record.
// Every workstation of the program honours it; it does not stop a plain read
// or write.
//
// The lock belongs to its own open file description (Linux "OFD" locks):
// two locks of one process conflict exactly as two processes do, and the
// record file functions, which open and close the file on every call, leave
// it in place (a classic POSIX lock would vanish at the first close of any
// descriptor of the file). On NFS and SMB mounts it reaches the server as a
// POSIX byte-range lock.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>
#include <span>

#include "storage/record_file.h"

namespace storage {

class RecordLock {
 public:
  // The wait between two tries of a region another holder has locked.
  static constexpr int kRetryPauseMs = 20;

  // Locks bytes offset..offset + length - 1 of an existing file for writing,
  // trying up to `attempts` times with a short pause between tries. Nothing
  // when the region stays locked, the file cannot be opened for reading and
  // writing (a missing file is not created), the file system refuses locks,
  // or length or attempts are below 1.
  static std::optional<RecordLock> Acquire(const std::filesystem::path& file, std::uint64_t offset,
                                           std::uint64_t length, int attempts) noexcept;

  RecordLock(RecordLock&& other) noexcept;
  RecordLock& operator=(RecordLock&& other) noexcept;
  RecordLock(const RecordLock&) = delete;
  RecordLock& operator=(const RecordLock&) = delete;
  ~RecordLock();

  // Unlocks now; later calls do nothing.
  void Release() noexcept;

  // The locked bytes, read and written through the lock's own descriptor
  // (some network shares refuse any other descriptor while the lock is
  // held): at most `length` bytes from the region's start. Failed once the
  // lock is released.
  IoStatus Read(std::span<std::uint8_t> out) const;
  IoStatus Write(std::span<const std::uint8_t> bytes) const;
  bool held() const { return fd_ >= 0; }
  std::uint64_t offset() const { return offset_; }
  std::uint64_t length() const { return length_; }

 private:
  RecordLock(int fd, std::filesystem::path file, std::uint64_t offset, std::uint64_t length)
      : fd_(fd), file_(std::move(file)), offset_(offset), length_(length) {}

  int fd_ = -1;
  std::filesystem::path file_;
  std::uint64_t offset_ = 0;
  std::uint64_t length_ = 0;
};

}  // namespace storage
