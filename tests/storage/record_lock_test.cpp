// Record locks: which regions conflict, when a region is free again, files
// that cannot be locked, waiting out a holder, and holders in other
// processes.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <thread>
#include <vector>

#include "storage/record_file.h"
#include "storage/record_lock.h"
#include "tests/storage/file_bytes.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

namespace fs = std::filesystem;

class RecordLockTest : public ::testing::Test {
 protected:
  RecordLockTest() { storage_test::WriteFileBytes(file, storage_test::ByteVector(1000, 0x20)); }

  // One try only: true when the region is free now.
  bool Free(std::uint64_t offset, std::uint64_t length) const {
    return RecordLock::Acquire(file, offset, length, 1).has_value();
  }

  testing_support::TempFolder folder;
  fs::path file = folder / "oottormo.vlk";
};

struct RegionPair {
  const char* what;
  std::uint64_t heldOffset, heldLength;
  std::uint64_t offset, length;
  bool conflict;
};

TEST_F(RecordLockTest, RegionsConflictExactlyWhenTheyShareAByte) {
  const RegionPair cases[] = {
      {"the same record", 262, 262, 262, 262, true},
      {"last byte of the held region", 262, 262, 523, 10, true},
      {"first byte of the held region", 262, 262, 200, 63, true},
      {"a region inside the held one", 0, 524, 300, 1, true},
      {"the record before", 262, 262, 0, 262, false},
      {"the record after", 262, 262, 524, 262, false},
      {"a record past the end of the file", 262, 262, 262 * 4000, 262, false},
      {"the same record past the end of the file", 262 * 4000, 262, 262 * 4000, 262, true},
  };
  for (const RegionPair& c : cases) {
    SCOPED_TRACE(c.what);
    std::optional<RecordLock> held = RecordLock::Acquire(file, c.heldOffset, c.heldLength, 1);
    ASSERT_TRUE(held.has_value());
    EXPECT_TRUE(held->held());
    EXPECT_EQ(held->offset(), c.heldOffset);
    EXPECT_EQ(held->length(), c.heldLength);
    EXPECT_EQ(Free(c.offset, c.length), !c.conflict);
  }
}

TEST_F(RecordLockTest, TheRegionIsFreeAgainOnlyWhenItsLastOwnerLetsGo) {
  std::optional<RecordLock> first = RecordLock::Acquire(file, 0, 262, 1);
  ASSERT_TRUE(first.has_value());

  // Moved: the moved-from object's end leaves the lock in place.
  RecordLock owner = std::move(*first);
  first.reset();
  EXPECT_TRUE(owner.held());
  EXPECT_FALSE(Free(0, 262));

  owner.Release();
  EXPECT_FALSE(owner.held());
  EXPECT_TRUE(Free(0, 262));
  owner.Release();  // a second release does nothing

  // The end of the object lets go.
  {
    std::optional<RecordLock> scoped = RecordLock::Acquire(file, 262, 262, 1);
    ASSERT_TRUE(scoped.has_value());
    EXPECT_FALSE(Free(262, 262));
  }
  EXPECT_TRUE(Free(262, 262));

  // Assigning over a held lock lets its region go and keeps the new one.
  std::optional<RecordLock> a = RecordLock::Acquire(file, 0, 262, 1);
  std::optional<RecordLock> b = RecordLock::Acquire(file, 262, 262, 1);
  ASSERT_TRUE(a.has_value() && b.has_value());
  *a = std::move(*b);
  EXPECT_TRUE(Free(0, 262));
  EXPECT_FALSE(Free(262, 262));
  EXPECT_EQ(a->offset(), 262U);
  b.reset();
  EXPECT_FALSE(Free(262, 262));
}

TEST_F(RecordLockTest, NothingIsLockedWhereNothingCanBe) {
  const fs::path missing = folder / "missing.vlk";
  EXPECT_FALSE(RecordLock::Acquire(missing, 0, 262, 3).has_value());
  EXPECT_FALSE(fs::exists(missing)) << "a missing file is not created";
  EXPECT_FALSE(RecordLock::Acquire(folder.path(), 0, 262, 1).has_value()) << "a folder";

  // A length of 0 would otherwise lock the whole rest of the file.
  EXPECT_FALSE(RecordLock::Acquire(file, 0, 0, 1).has_value());
  EXPECT_TRUE(Free(0, 1000));
  EXPECT_FALSE(RecordLock::Acquire(file, 0, 262, 0).has_value());
  EXPECT_FALSE(RecordLock::Acquire(file, UINT64_MAX - 10, 262, 1).has_value());
}

TEST_F(RecordLockTest, TriesAgainUntilTheHolderLetsGo) {
  std::optional<RecordLock> held = RecordLock::Acquire(file, 0, 262, 1);
  ASSERT_TRUE(held.has_value());
  std::optional<RecordLock> waited;
  std::thread waiter([&] { waited = RecordLock::Acquire(file, 0, 262, 200); });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  held->Release();
  waiter.join();
  EXPECT_TRUE(waited.has_value());
}

TEST_F(RecordLockTest, GivesUpAfterItsTriesWhileTheHolderKeepsIt) {
  std::optional<RecordLock> held = RecordLock::Acquire(file, 0, 262, 1);
  ASSERT_TRUE(held.has_value());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(RecordLock::Acquire(file, 0, 262, 5).has_value());
  const auto waited = std::chrono::steady_clock::now() - start;
  // Four pauses between five tries.
  EXPECT_GE(waited, std::chrono::milliseconds(4 * RecordLock::kRetryPauseMs));
  EXPECT_TRUE(held->held());
}

// Another workstation, as a child process: it locks the record and keeps it
// until told to end.
class OtherProcess {
 public:
  OtherProcess(const fs::path& file, std::uint64_t offset, std::uint64_t length) {
    if (::pipe(ready_) != 0 || ::pipe(done_) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      std::optional<RecordLock> lock = RecordLock::Acquire(file, offset, length, 1);
      char c = lock ? 'y' : 'n';
      if (::write(ready_[1], &c, 1) != 1) ::_exit(2);
      [[maybe_unused]] ssize_t ended = ::read(done_[0], &c, 1);
      ::_exit(0);
    }
    char c = 0;
    locked_ = pid_ > 0 && ::read(ready_[0], &c, 1) == 1 && c == 'y';
  }
  ~OtherProcess() { End(); }

  bool locked() const { return locked_; }
  void End() {
    if (pid_ <= 0) return;
    char c = 'x';
    if (::write(done_[1], &c, 1) != 1) ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
    for (int fd : {ready_[0], ready_[1], done_[0], done_[1]}) ::close(fd);
  }

 private:
  int ready_[2] = {-1, -1};
  int done_[2] = {-1, -1};
  pid_t pid_ = -1;
  bool locked_ = false;
};

// The child's verdict on one region: 0 when it could not lock it.
int ChildCanLock(const fs::path& file, std::uint64_t offset, std::uint64_t length) {
  pid_t pid = ::fork();
  if (pid == 0) ::_exit(RecordLock::Acquire(file, offset, length, 1) ? 1 : 0);
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST_F(RecordLockTest, ARecordLockedByAnotherProcessIsRefusedUntilItEnds) {
  OtherProcess other(file, 262, 262);
  ASSERT_TRUE(other.locked());
  EXPECT_FALSE(Free(262, 262));
  EXPECT_TRUE(Free(0, 262));
  other.End();
  EXPECT_TRUE(Free(262, 262));
}

TEST_F(RecordLockTest, ReadingAndWritingTheFileMeanwhileKeepsTheLock) {
  std::optional<RecordLock> held = RecordLock::Acquire(file, 262, 262, 1);
  ASSERT_TRUE(held.has_value());
  // The record file functions open and close the file on each call.
  const storage_test::ByteVector record(262, 0x41);
  ASSERT_TRUE(WriteRecord(file, 262, 2, record).ok());
  storage_test::ByteVector back(262);
  ASSERT_TRUE(ReadRecords(file, 262, 2, 1, back).ok());
  EXPECT_EQ(back, record);

  EXPECT_EQ(ChildCanLock(file, 262, 262), 0);
  held->Release();
  EXPECT_EQ(ChildCanLock(file, 262, 262), 1);
}

TEST_F(RecordLockTest, TheLockedRecordIsReadAndWrittenThroughTheLock) {
  // Record 4 of 262 bytes ends past the 1000 bytes of the file.
  std::optional<RecordLock> held = RecordLock::Acquire(file, 3 * 262, 262, 1);
  ASSERT_TRUE(held.has_value());
  storage_test::ByteVector record(262, 0x55);
  ASSERT_TRUE(held->Read(record).ok());
  // 1000 - 786 = 214 blanks of the file, then zeros past its end.
  EXPECT_EQ(record[0], 0x20);
  EXPECT_EQ(record[213], 0x20);
  EXPECT_EQ(record[214], 0x00);
  EXPECT_EQ(record[261], 0x00);

  // A write covers the region only, extends the file, and is what the next
  // reader sees.
  const storage_test::ByteVector longer(300, 0x42);
  ASSERT_TRUE(held->Write(longer).ok());
  EXPECT_EQ(fs::file_size(file), 4U * 262U);
  storage_test::ByteVector back(262);
  ASSERT_TRUE(ReadRecords(file, 262, 4, 1, back).ok());
  EXPECT_EQ(back, storage_test::ByteVector(262, 0x42));
  ASSERT_TRUE(ReadRecords(file, 262, 3, 1, back).ok());
  EXPECT_EQ(back, storage_test::ByteVector(262, 0x20));

  // Let go, the lock neither reads nor writes.
  held->Release();
  EXPECT_FALSE(held->Read(record).ok());
  EXPECT_FALSE(held->Write(longer).ok());
}

}  // namespace
}  // namespace storage
