#include "storage/record_lock.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <limits>
#include <utility>

namespace storage {
namespace {

struct flock Region(short type, std::uint64_t offset, std::uint64_t length) {
  struct flock region {};
  region.l_type = type;
  region.l_whence = SEEK_SET;
  region.l_start = static_cast<off_t>(offset);
  region.l_len = static_cast<off_t>(length);
  region.l_pid = 0;  // must be 0 for open-file-description locks
  return region;
}

void Pause() {
  timespec pause{0, RecordLock::kRetryPauseMs * 1000000L};
  while (::nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

}  // namespace

std::optional<RecordLock> RecordLock::Acquire(const std::filesystem::path& file,
                                              std::uint64_t offset, std::uint64_t length,
                                              int attempts) noexcept {
  // A length of 0 would lock to the end of the file and beyond.
  constexpr auto kMaxOffset = static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
  if (length == 0 || attempts < 1 || offset > kMaxOffset || length > kMaxOffset - offset) {
    return std::nullopt;
  }
  const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct flock region = Region(F_WRLCK, offset, length);
  for (int attempt = 1; attempt <= attempts; ++attempt) {
    if (::fcntl(fd, F_OFD_SETLK, &region) == 0) return RecordLock(fd, file, offset, length);
    // EACCES / EAGAIN: another holder has the region (EINTR: try again).
    // Anything else (no lock support, no lock space) will not change.
    if (errno != EACCES && errno != EAGAIN && errno != EINTR) break;
    if (attempt < attempts) Pause();
  }
  ::close(fd);
  return std::nullopt;
}

RecordLock::RecordLock(RecordLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      file_(std::move(other.file_)),
      offset_(other.offset_),
      length_(other.length_) {}

RecordLock& RecordLock::operator=(RecordLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    file_ = std::move(other.file_);
    offset_ = other.offset_;
    length_ = other.length_;
  }
  return *this;
}

RecordLock::~RecordLock() { Release(); }

void RecordLock::Release() noexcept {
  if (fd_ < 0) return;
  // Closing the last descriptor of the description drops the lock as well;
  // the explicit unlock reaches a network server before the close does.
  struct flock region = Region(F_UNLCK, offset_, length_);
  ::fcntl(fd_, F_OFD_SETLK, &region);
  ::close(fd_);
  fd_ = -1;
}

IoStatus RecordLock::Read(std::span<std::uint8_t> out) const {
  // Once released, the closed descriptor makes the read fail with the
  // file's usual message.
  return ReadAt(fd_, file_, offset_, out.first(std::min<std::size_t>(out.size(), length_)));
}

IoStatus RecordLock::Write(std::span<const std::uint8_t> bytes) const {
  return WriteAt(fd_, file_, offset_, bytes.first(std::min<std::size_t>(bytes.size(), length_)));
}

}  // namespace storage
