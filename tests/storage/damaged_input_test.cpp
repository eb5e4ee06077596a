// Damaged files never crash the loaders or the accessors: truncated settings
// files of every length and files of random bytes load, and every accessor of
// the settings and ticket records runs on what was loaded. Run under the
// sanitizers to catch reads out of bounds.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "storage/cp1256.h"
#include "storage/fields.h"
#include "storage/settings_record.h"
#include "storage/ticket_record.h"
#include "tests/storage/file_bytes.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

using storage_test::ByteVector;
using storage_test::RandomBytes;
using storage_test::WriteFileBytes;

// A text as every reader sees it: no NUL, no space at either end, at most n
// characters.
void ExpectCleanText(const std::string& text, std::size_t n, const char* what) {
  EXPECT_EQ(text.find('\0'), std::string::npos) << what;
  if (!text.empty()) {
    EXPECT_NE(text.front(), ' ') << what;
    EXPECT_NE(text.back(), ' ') << what;
  }
  EXPECT_LE(Cp1256Length(text), n) << what;
}

void ExerciseSettings(const SettingsRecord& r) {
  std::int64_t sum = 0;
  for (std::int64_t v : {std::int64_t{r.lastDocumentNo()}, std::int64_t{r.ticketCount()},
                         std::int64_t{r.currentUser()}, std::int64_t{r.ticketLayout()},
                         std::int64_t{r.programType()}, std::int64_t{r.printPages()}}) {
    sum += v;
  }
  for (int user = 1; user <= SettingsRecord::kUsers; ++user) sum += r.userPassword(user);
  EXPECT_EQ(r.userPassword(0), 0);
  EXPECT_EQ(r.userPassword(SettingsRecord::kUsers + 1), 0);
  double reals = r.anchorDate() + r.ticketMargin() + r.printTop() + r.printLeft();
  volatile double sink = static_cast<double>(sum) + reals;  // keeps every read
  (void)sink;
  ExpectCleanText(r.hospitalName(), 30, "hospitalName");
  ExpectCleanText(r.departmentName(), 30, "departmentName");
  ExpectCleanText(r.printerName(), 100, "printerName");
  ExpectCleanText(r.governorate(), 30, "governorate");
}

void ExerciseTicket(const TicketRecord& r) {
  std::int64_t sum = 0;
  for (int line = 1; line <= TicketRecord::kLines; ++line) {
    sum += r.drugIndex(line);
    sum += r.quantity(line);
  }
  for (int line : {0, TicketRecord::kLines + 1}) {
    EXPECT_EQ(r.drugIndex(line), 0);
    EXPECT_EQ(r.quantity(line), 0);
  }
  for (std::int64_t v : {std::int64_t{r.classification()}, std::int64_t{r.userNumber()},
                         std::int64_t{r.state()}, std::int64_t{r.decisionDays()},
                         std::int64_t{r.decisionStart()}, std::int64_t{r.decisionAmount()},
                         std::int64_t{r.decisionNumber()}, std::int64_t{r.manualVoucherNo()},
                         std::int64_t{r.monthSerial()}, std::int64_t{r.yearSerial()}}) {
    sum += v;
  }
  double reals = r.ticketDate() + r.patientIndex();
  volatile double sink = static_cast<double>(sum) + reals;  // keeps every read
  (void)sink;
  EXPECT_EQ(r.IsEmpty(), r.drugIndex(1) + r.drugIndex(2) < 1);
}

// Walks a record as a chain of variable texts from every starting offset;
// whatever the lengths claim, each step stays inside the record.
void WalkVarTexts(ConstBytes rec) {
  for (std::size_t start = 0; start <= rec.size() + 2; ++start) {
    std::size_t offset = start;
    for (int step = 0; step < 4; ++step) {
      VarText v = ReadVarText(rec, offset);
      ASSERT_LE(v.nextOffset, rec.size());
      ASSERT_LE(Cp1256Length(v.text), rec.size());
      offset = v.nextOffset;
    }
  }
}

// Loads a file's bytes as settings and as tickets, checks the loaded bytes
// are the file's (zeros past its end) and runs every accessor.
void LoadAndExercise(const ByteVector& content) {
  testing_support::TempFolder folder;
  const auto file = folder / "damaged.vlk";
  WriteFileBytes(file, content);
  auto expectLoaded = [&](ConstBytes rec, std::size_t n, std::size_t length) {
    ByteVector expected(length, 0);
    const std::size_t begin = (n - 1) * length;
    for (std::size_t i = 0; i < length && begin + i < content.size(); ++i)
      expected[i] = content[begin + i];
    ASSERT_EQ(ByteVector(rec.begin(), rec.end()), expected) << "record " << n;
  };

  SettingsTable settings(3);
  ASSERT_TRUE(settings.Load(file).ok());
  for (std::size_t n = 1; n <= 3; ++n) {
    expectLoaded(settings[n].bytes(), n, SettingsRecord::kLength);
    ExerciseSettings(settings[n]);
    WalkVarTexts(settings[n].bytes());
  }
  TicketTable tickets(3);
  ASSERT_TRUE(tickets.Load(file).ok());
  for (std::size_t n = 1; n <= 3; ++n) {
    expectLoaded(tickets[n].bytes(), n, TicketRecord::kLength);
    ExerciseTicket(tickets[n]);
  }
}

TEST(DamagedInput, SettingsFilesCutAtEveryLength) {
  // Bytes that look like a settings record: texts with NULs in them and spaces
  // at their ends, then arbitrary bytes.
  ByteVector source = RandomBytes(11, 2 * SettingsRecord::kLength + 1);
  for (std::size_t i = 44; i < 104; i += 3) source[i] = (i % 2) ? 0 : ' ';
  for (std::size_t length = 0; length <= source.size(); ++length) {
    SCOPED_TRACE("length " + std::to_string(length));
    LoadAndExercise(
        ByteVector(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(length)));
    if (HasFatalFailure()) return;
  }
}

TEST(DamagedInput, FilesOfRandomBytes) {
  const std::vector<std::size_t> lengths = {1,   2,   7,   251, 252,  253, 261,
                                            262, 263, 504, 786, 1000, 4099};
  std::mt19937 seeds(20240601);
  for (std::size_t length : lengths) {
    for (int k = 0; k < 4; ++k) {
      const std::uint32_t seed = seeds();
      SCOPED_TRACE("length " + std::to_string(length) + " seed " + std::to_string(seed));
      LoadAndExercise(RandomBytes(seed, length));
      if (HasFatalFailure()) return;
    }
  }
}

TEST(DamagedInput, FilesOfOnlyHighBytesOrOnlyNuls) {
  for (std::uint8_t b :
       {std::uint8_t{0x00}, std::uint8_t{0xFF}, std::uint8_t{0x80}, std::uint8_t{' '}}) {
    SCOPED_TRACE(int(b));
    LoadAndExercise(ByteVector(600, b));
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace storage
