#include "storage/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace storage {
namespace {

std::string Describe(const char* what, const std::filesystem::path& file, int err) {
  return std::string(what) + " " + file.string() + "\n" + std::strerror(err);
}

IoStatus ReadFailed(const std::filesystem::path& file, int err) {
  return IoStatus::Failed(Describe("تعذرت قراءة الملف", file, err));
}

IoStatus WriteFailed(const std::filesystem::path& file, int err) {
  return IoStatus::Failed(Describe("تعذر حفظ البيانات في الملف", file, err));
}

// Writes all bytes at the given offset; false with errno set on failure.
bool WriteAll(int fd, const std::uint8_t* data, std::size_t size, off_t offset) {
  while (size > 0) {
    ssize_t n = ::pwrite(fd, data, size, offset);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = ENOSPC;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
    offset += n;
  }
  return true;
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the result (a delayed write error shows here).
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

}  // namespace

IoStatus ReadRecords(const std::filesystem::path& file, std::size_t recordLength,
                     std::size_t first, std::size_t count, std::span<std::uint8_t> out) {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  if (recordLength == 0 || first == 0 || count == 0) return IoStatus::Ok();
  Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    if (errno == ENOENT) {
      // Opening a record file that does not exist creates it empty.
      int created = ::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
      if (created >= 0) ::close(created);
      return IoStatus::Ok();
    }
    return ReadFailed(file, errno);
  }
  std::size_t want = std::min(out.size(), recordLength * count);
  return ReadAt(fd.get(), file, (first - 1) * recordLength, out.first(want));
}

IoStatus ReadAt(int fd, const std::filesystem::path& file, std::uint64_t offset,
                std::span<std::uint8_t> out) {
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  std::size_t done = 0;
  while (done < out.size()) {
    ssize_t n = ::pread(fd, out.data() + done, out.size() - done,
                        static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return ReadFailed(file, errno);
    }
    if (n == 0) break;  // end of file: the rest stays zero
    done += static_cast<std::size_t>(n);
  }
  return IoStatus::Ok();
}

IoStatus WriteAt(int fd, const std::filesystem::path& file, std::uint64_t offset,
                 std::span<const std::uint8_t> bytes) {
  if (!WriteAll(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)) || ::fsync(fd) != 0) {
    return WriteFailed(file, errno);
  }
  return IoStatus::Ok();
}

IoStatus WriteRecord(const std::filesystem::path& file, std::size_t recordLength, std::size_t n,
                     std::span<const std::uint8_t> record) {
  if (n == 0 || recordLength == 0) return IoStatus::Ok();
  Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
  if (fd.get() < 0) return WriteFailed(file, errno);
  std::size_t size = std::min(record.size(), recordLength);
  // Any gap between the old end of the file and the record reads as zeros.
  if (!WriteAll(fd.get(), record.data(), size, static_cast<off_t>((n - 1) * recordLength))) {
    return WriteFailed(file, errno);
  }
  if (size < recordLength) {
    std::uint8_t zeros[256] = {};
    std::size_t rest = recordLength - size;
    off_t at = static_cast<off_t>((n - 1) * recordLength + size);
    while (rest > 0) {
      std::size_t k = std::min(rest, sizeof zeros);
      if (!WriteAll(fd.get(), zeros, k, at)) return WriteFailed(file, errno);
      rest -= k;
      at += static_cast<off_t>(k);
    }
  }
  if (!fd.Close()) return WriteFailed(file, errno);
  return IoStatus::Ok();
}

IoStatus ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> content) {
  std::filesystem::path temp = file;
  temp += ".tmp-" + std::to_string(::getpid());
  Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) return WriteFailed(file, errno);
  if (!WriteAll(fd.get(), content.data(), content.size(), 0) || ::fsync(fd.get()) != 0) {
    int err = errno;
    fd.Close();
    ::unlink(temp.c_str());
    return WriteFailed(file, err);
  }
  if (!fd.Close()) {
    int err = errno;
    ::unlink(temp.c_str());
    return WriteFailed(file, err);
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    return WriteFailed(file, err);
  }
  // Make the rename itself durable.
  Fd dir(::open(file.parent_path().empty() ? "." : file.parent_path().c_str(),
                O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
  return IoStatus::Ok();
}

}  // namespace storage
