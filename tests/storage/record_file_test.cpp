// Record files: where record n lives, reading past the end, missing files,
// extending, whole-table saves and their failures.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "storage/data_files.h"
#include "storage/record_file.h"
#include "storage/record_table.h"
#include "tests/storage/file_bytes.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

namespace fs = std::filesystem;
using storage_test::ByteVector;
using storage_test::FolderNames;
using storage_test::RandomBytes;
using storage_test::ReadFileBytes;
using storage_test::WriteFileBytes;

using Record8 = FixedRecord<8>;
using Record128 = FixedRecord<kDefaultRecordLength>;

ByteVector Filled(std::size_t n, std::uint8_t b) { return ByteVector(n, b); }

ByteVector Concat(std::initializer_list<ByteVector> parts) {
  ByteVector out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

template <class Rec>
void Fill(Rec& rec, std::uint8_t b) {
  std::fill(rec.bytes().begin(), rec.bytes().end(), b);
}

template <class Rec>
ByteVector BytesOf(const Rec& rec) {
  return ByteVector(rec.bytes().begin(), rec.bytes().end());
}

TEST(RecordFile, RecordNOccupiesItsOwnSliceOfTheFile) {
  testing_support::TempFolder folder;
  const auto file = folder / "r.vlk";
  const ByteVector r3 = {1, 2, 3, 4, 5, 6, 7, 8};
  const ByteVector r1 = {9, 9, 9, 9, 9, 9, 9, 9};

  // Record 3 of a missing file: records 1 and 2 become zeros.
  ASSERT_TRUE(WriteRecord(file, 8, 3, r3).ok());
  EXPECT_EQ(ReadFileBytes(file), Concat({Filled(16, 0), r3}));

  // Record 1 lands in bytes 0..7 and touches nothing else.
  ASSERT_TRUE(WriteRecord(file, 8, 1, r1).ok());
  EXPECT_EQ(ReadFileBytes(file), Concat({r1, Filled(8, 0), r3}));

  // Record 6 extends the file, zeros in between.
  ASSERT_TRUE(WriteRecord(file, 8, 6, r1).ok());
  EXPECT_EQ(ReadFileBytes(file), Concat({r1, Filled(8, 0), r3, Filled(16, 0), r1}));

  ByteVector out(16, 0xEE);
  ASSERT_TRUE(ReadRecords(file, 8, 3, 2, out).ok());
  EXPECT_EQ(out, Concat({r3, Filled(8, 0)}));
}

TEST(RecordFile, ReadingBeyondTheEndGivesZerosForTheMissingPart) {
  testing_support::TempFolder folder;
  const auto file = folder / "short.vlk";
  const ByteVector content = RandomBytes(1, 12);  // one and a half records of 8
  WriteFileBytes(file, content);
  struct Case {
    std::size_t first, count;
    ByteVector expected;
  };
  const std::vector<Case> cases = {
      {1, 1, ByteVector(content.begin(), content.begin() + 8)},
      {2, 1, Concat({ByteVector(content.begin() + 8, content.end()), Filled(4, 0)})},
      {1, 3, Concat({content, Filled(12, 0)})},
      {3, 2, Filled(16, 0)},
      {1000, 1, Filled(8, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " x " + std::to_string(c.count));
    ByteVector out(c.count * 8, 0xEE);
    ASSERT_TRUE(ReadRecords(file, 8, c.first, c.count, out).ok());
    EXPECT_EQ(out, c.expected);
  }
  EXPECT_EQ(ReadFileBytes(file), content);
}

TEST(RecordTable, AMissingFileLoadsBlankAndIsCreatedEmpty) {
  testing_support::TempFolder folder;
  const auto file = folder / "new.vlk";
  RecordTable<Record8> table(3);
  for (std::size_t n = 1; n <= 3; ++n) Fill(table[n], 0x77);
  ASSERT_TRUE(table.Load(file).ok());
  for (std::size_t n = 1; n <= 3; ++n) EXPECT_EQ(BytesOf(table[n]), Filled(8, 0)) << n;
  ASSERT_TRUE(fs::is_regular_file(file));
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST(RecordTable, AMissingFileInAMissingFolderLoadsBlankAndCreatesNothing) {
  testing_support::TempFolder folder;
  const auto file = folder / "absent" / "new.vlk";
  RecordTable<Record8> table(2);
  Fill(table[1], 0x77);
  table.Load(file);
  EXPECT_EQ(BytesOf(table[1]), Filled(8, 0));
  EXPECT_FALSE(fs::exists(folder / "absent"));
}

TEST(RecordTable, ASmallFileLeavesTheRestOfALargeTableZero) {
  testing_support::TempFolder folder;
  const auto file = folder / kDrugFile;
  const ByteVector content = RandomBytes(2, 10 * Record128::kLength);
  WriteFileBytes(file, content);
  RecordTable<Record128> table(kMaxDrugs);
  for (std::size_t n = 0; n <= kMaxDrugs; ++n) Fill(table[n], 0xEE);
  ASSERT_TRUE(table.Load(file).ok());
  for (std::size_t n = 1; n <= 10; ++n) {
    ByteVector expected(content.begin() + static_cast<std::ptrdiff_t>((n - 1) * 128),
                        content.begin() + static_cast<std::ptrdiff_t>(n * 128));
    EXPECT_EQ(BytesOf(table[n]), expected) << n;
  }
  for (std::size_t n = 11; n <= kMaxDrugs; ++n) {
    ASSERT_EQ(BytesOf(table[n]), Filled(128, 0)) << n;
  }
  // Element 0 is not a record of the file.
  EXPECT_EQ(BytesOf(table[0]), Filled(128, 0xEE));
}

TEST(RecordTable, LoadingARangeTouchesOnlyThoseElements) {
  testing_support::TempFolder folder;
  const auto file = folder / "range.vlk";
  const ByteVector content = RandomBytes(3, 6 * 8);
  WriteFileBytes(file, content);
  RecordTable<Record8> table(6);
  for (std::size_t n = 1; n <= 6; ++n) Fill(table[n], 0xEE);
  ASSERT_TRUE(table.Load(file, 3, 4).ok());
  for (std::size_t n = 1; n <= 6; ++n) {
    ByteVector expected =
        (n == 3 || n == 4) ? ByteVector(content.begin() + static_cast<std::ptrdiff_t>((n - 1) * 8),
                                        content.begin() + static_cast<std::ptrdiff_t>(n * 8))
                           : Filled(8, 0xEE);
    EXPECT_EQ(BytesOf(table[n]), expected) << n;
  }
}

TEST(RecordTable, SaveRecordRewritesOneRecordInPlace) {
  testing_support::TempFolder folder;
  const auto file = folder / "five.vlk";
  const ByteVector content = RandomBytes(4, 5 * 8);
  WriteFileBytes(file, content);
  RecordTable<Record8> table(5);
  ASSERT_TRUE(table.Load(file).ok());
  Fill(table[3], 0x33);
  Fill(table[4], 0x44);  // changed in memory, not saved
  ASSERT_TRUE(table.SaveRecord(file, 3).ok());
  ByteVector expected = content;
  std::fill(expected.begin() + 16, expected.begin() + 24, std::uint8_t{0x33});
  EXPECT_EQ(ReadFileBytes(file), expected);
}

TEST(RecordTable, SaveTableWritesExactlyCapacityRecords) {
  struct Case {
    std::string name;
    std::size_t oldBytes;  // of an existing file, or none
    bool exists;
  };
  const std::vector<Case> cases = {
      {"missing file", 0, false},
      {"longer file", 10 * 8 + 3, true},
      {"shorter file", 8, true},
      {"empty file", 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing_support::TempFolder folder;
    const auto file = folder / "table.vlk";
    if (c.exists) WriteFileBytes(file, RandomBytes(5, c.oldBytes));
    RecordTable<Record8> table(4);
    for (std::size_t n = 1; n <= 4; ++n) Fill(table[n], static_cast<std::uint8_t>(n));
    Fill(table[0], 0xEE);
    ASSERT_TRUE(table.SaveTable(file).ok());
    EXPECT_EQ(ReadFileBytes(file),
              Concat({Filled(8, 1), Filled(8, 2), Filled(8, 3), Filled(8, 4)}));
    EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"table.vlk"});
  }
}

TEST(RecordTable, ATableOfNoRecordsSavesAnEmptyFile) {
  testing_support::TempFolder folder;
  const auto file = folder / "none.vlk";
  WriteFileBytes(file, RandomBytes(6, 20));
  RecordTable<Record8> table(0);
  ASSERT_TRUE(table.SaveTable(file).ok());
  EXPECT_EQ(fs::file_size(file), 0u);
}

TEST(RecordTable, SavedTableLoadsBackIdentical) {
  testing_support::TempFolder folder;
  const auto file = folder / "round.vlk";
  RecordTable<Record128> saved(50);
  for (std::size_t n = 1; n <= 50; ++n) {
    const ByteVector bytes = RandomBytes(static_cast<std::uint32_t>(100 + n), 128);
    std::copy(bytes.begin(), bytes.end(), saved[n].bytes().begin());
  }
  ASSERT_TRUE(saved.SaveTable(file).ok());
  RecordTable<Record128> loaded(50);
  ASSERT_TRUE(loaded.Load(file).ok());
  for (std::size_t n = 1; n <= 50; ++n) EXPECT_TRUE(loaded[n] == saved[n]) << n;
}

// Sets a limit on the size of files this process may write, and takes it off
// again; writes past the limit fail with EFBIG instead of a signal.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    set_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() { Lift(); }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  bool set() const { return set_; }
  void Lift() {
    if (lifted_) return;
    lifted_ = true;
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = SIG_DFL;
  bool set_ = false;
  bool lifted_ = false;
};

TEST(RecordTable, AFailingWholeTableSaveLeavesTheOldFileAndNoTempFile) {
  testing_support::TempFolder folder;
  const auto file = folder / "big.vlk";
  const ByteVector old = RandomBytes(8, 3 * Record128::kLength);
  WriteFileBytes(file, old);
  RecordTable<Record128> table(100);  // 12800 bytes, past the limit
  for (std::size_t n = 1; n <= 100; ++n) Fill(table[n], 0x5C);

  IoStatus status;
  {
    FileSizeLimit limit(4096);
    ASSERT_TRUE(limit.set());
    status = table.SaveTable(file);
    limit.Lift();
  }
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(static_cast<bool>(status));
  EXPECT_FALSE(status.message().empty());
  EXPECT_NE(status.message().find("big.vlk"), std::string::npos) << status.message();
  EXPECT_EQ(ReadFileBytes(file), old);
  EXPECT_EQ(FolderNames(folder.path()), std::vector<std::string>{"big.vlk"});

  // With the limit gone the same save succeeds.
  ASSERT_TRUE(table.SaveTable(file).ok());
  EXPECT_EQ(ReadFileBytes(file), Filled(100 * 128, 0x5C));
}

// A path under a regular file cannot be written, whoever runs the tests.
TEST(RecordTable, SavingUnderAPlainFileFailsWithAMessage) {
  testing_support::TempFolder folder;
  WriteFileBytes(folder / "plain", {1, 2, 3});
  const auto file = folder / "plain" / "r.vlk";
  RecordTable<Record8> table(2);
  Fill(table[1], 0x11);

  IoStatus byRecord = table.SaveRecord(file, 1);
  EXPECT_FALSE(byRecord.ok());
  EXPECT_FALSE(byRecord.message().empty());
  IoStatus byTable = table.SaveTable(file);
  EXPECT_FALSE(byTable.ok());
  EXPECT_FALSE(byTable.message().empty());
  IoStatus load = table.Load(file);
  EXPECT_FALSE(load.ok());
  EXPECT_FALSE(load.message().empty());
  EXPECT_EQ(BytesOf(table[1]), Filled(8, 0));
  EXPECT_EQ(ReadFileBytes(folder / "plain"), (ByteVector{1, 2, 3}));
}

TEST(RecordTable, SavingIntoAReadOnlyFolderOrFileFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes regardless of permissions";
  testing_support::TempFolder folder;
  const auto locked = folder / "locked";
  fs::create_directory(locked);
  const auto existing = locked / "old.vlk";
  const ByteVector old = RandomBytes(9, 16);
  WriteFileBytes(existing, old);
  fs::permissions(existing, fs::perms::owner_read);
  fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);

  RecordTable<Record8> table(2);
  Fill(table[1], 0x11);
  struct Case {
    std::string name;
    IoStatus status;
  };
  const std::vector<Case> cases = {
      {"new file, by record", table.SaveRecord(locked / "new.vlk", 1)},
      {"read-only file, by record", table.SaveRecord(existing, 1)},
      {"read-only folder, whole table", table.SaveTable(existing)},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(c.status.ok()) << c.name;
    EXPECT_FALSE(c.status.message().empty()) << c.name;
  }
  EXPECT_EQ(ReadFileBytes(existing), old);
  EXPECT_EQ(FolderNames(locked), std::vector<std::string>{"old.vlk"});
  fs::permissions(locked, fs::perms::owner_all);
}

}  // namespace
}  // namespace storage
