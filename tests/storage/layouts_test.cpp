// The byte layouts of the settings record (252 bytes) and the ticket record
// (262 bytes). Each layout is a table of fields at their offsets plus the
// reserved ranges; a fixture is written byte by byte from the table, decoded
// through the accessors and encoded back to the same bytes.

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "storage/settings_record.h"
#include "storage/ticket_record.h"
#include "tests/storage/file_bytes.h"
#include "tests/support/fakes.h"

namespace storage {
namespace {

using storage_test::Ascii;
using storage_test::ByteVector;
using storage_test::Le;
using storage_test::Padded;
using storage_test::RandomBytes;
using storage_test::ReadFileBytes;
using storage_test::WriteFileBytes;

template <class Rec>
struct Field {
  std::string name;
  std::size_t offset;
  ByteVector stored;                           // the field's bytes in the fixture
  std::function<void(const Rec&)> expectRead;  // the accessor gives the fixture's value
  std::function<void(Rec&)> store;             // the setter stores that value
};

struct Range {
  std::size_t offset;
  std::size_t size;
};

template <class Rec>
struct Layout {
  std::vector<Field<Rec>> fields;
  std::vector<Range> reserved;
};

template <class Rec, class T, class Get, class Set>
Field<Rec> Number(std::string name, std::size_t offset, T value, Get get, Set set) {
  return {name, offset, Le(value),
          [=](const Rec& r) { EXPECT_EQ(std::invoke(get, r), value) << name; },
          [=](Rec& r) { std::invoke(set, r, value); }};
}

template <class Rec, class Get, class Set>
Field<Rec> Text(std::string name, std::size_t offset, std::size_t n, ByteVector cp1256,
                std::string utf8, Get get, Set set) {
  return {name, offset, Padded(std::move(cp1256), n),
          [=](const Rec& r) { EXPECT_EQ(std::invoke(get, r), utf8) << name; },
          [=](Rec& r) { std::invoke(set, r, utf8); }};
}

template <class Rec>
Layout<Rec> LayoutOf();

template <>
Layout<SettingsRecord> LayoutOf<SettingsRecord>() {
  using R = SettingsRecord;
  Layout<R> l;
  l.fields = {
      Number<R>("lastDocumentNo", 0, std::int32_t{0x12345678}, &R::lastDocumentNo,
                &R::setLastDocumentNo),
      Number<R>("ticketCount", 4, std::int32_t{120000}, &R::ticketCount, &R::setTicketCount),
      Number<R>("currentUser", 16, std::int16_t{7}, &R::currentUser, &R::setCurrentUser),
      Number<R>("anchorDate", 36, 45292.25, &R::anchorDate, &R::setAnchorDate),
      Text<R>("hospitalName", 44, 30,
              {0xD5, 0xED, 0xCF, 0xE1, 0xED, 0xC9, 0x20, 0xE4, 0xDD, 0xDE, 0xC9, 0x20, 0xC7, 0xE1,
               0xCF, 0xE6, 0xE1, 0xC9},
              "صيدلية نفقة الدولة", &R::hospitalName, &R::setHospitalName),
      Text<R>("departmentName", 74, 30,
              {0xDE, 0xD3, 0xE3, 0x20, 0xC7, 0xE1, 0xDA, 0xED, 0xE6, 0xE4}, "قسم العيون",
              &R::departmentName, &R::setDepartmentName),
      Number<R>("ticketMargin", 104, 1.75f, &R::ticketMargin, &R::setTicketMargin),
      Number<R>("ticketLayout", 108, std::int16_t{2}, &R::ticketLayout, &R::setTicketLayout),
      Text<R>("printerName", 110, 100, Ascii("\\\\PHARM-PC\\HP LaserJet 1020"),
              "\\\\PHARM-PC\\HP LaserJet 1020", &R::printerName, &R::setPrinterName),
      Number<R>("printTop", 210, -0.25f, &R::printTop, &R::setPrintTop),
      Number<R>("printLeft", 214, 12.5f, &R::printLeft, &R::setPrintLeft),
      Number<R>("programType", 218, std::int16_t{3}, &R::programType, &R::setProgramType),
      Text<R>("governorate", 220, 30, {0xC7, 0xE1, 0xDE, 0xC7, 0xE5, 0xD1, 0xC9}, "القاهرة",
              &R::governorate, &R::setGovernorate),
      Number<R>("printPages", 250, std::int16_t{-2}, &R::printPages, &R::setPrintPages),
  };
  const std::int16_t passwords[R::kUsers] = {1234, -2, 32767, 4321, 9999, 1, -32768, 512, 77};
  for (int user = 1; user <= R::kUsers; ++user) {
    l.fields.push_back(Number<R>(
        "userPassword(" + std::to_string(user) + ")", 18 + 2 * static_cast<std::size_t>(user - 1),
        passwords[user - 1], [user](const R& r) { return r.userPassword(user); },
        [user](R& r, std::int16_t v) { r.setUserPassword(user, v); }));
  }
  l.reserved = {{8, 8}};
  return l;
}

template <>
Layout<TicketRecord> LayoutOf<TicketRecord>() {
  using R = TicketRecord;
  Layout<R> l;
  for (int line = 1; line <= R::kLines; ++line) {
    const std::size_t slot = static_cast<std::size_t>(line - 1);
    l.fields.push_back(Number<R>(
        "drugIndex(" + std::to_string(line) + ")", 2 * slot, static_cast<std::int16_t>(line * 1001),
        [line](const R& r) { return r.drugIndex(line); },
        [line](R& r, std::int16_t v) { r.setDrugIndex(line, v); }));
    l.fields.push_back(Number<R>(
        "quantity(" + std::to_string(line) + ")", 60 + 4 * slot,
        static_cast<std::int32_t>(line % 2 ? line * 100003 : -line * 7),
        [line](const R& r) { return r.quantity(line); },
        [line](R& r, std::int32_t v) { r.setQuantity(line, v); }));
  }
  const std::vector<Field<R>> rest = {
      Number<R>("ticketDate", 180, 45678.375, &R::ticketDate, &R::setTicketDate),
      Number<R>("classification", 188, std::int16_t{5}, &R::classification, &R::setClassification),
      Number<R>("patientIndex", 190, 29999.0, &R::patientIndex, &R::setPatientIndex),
      Number<R>("userNumber", 200, std::int16_t{9}, &R::userNumber, &R::setUserNumber),
      Number<R>("state", 206, std::int16_t{-1}, &R::state, &R::setState),
      Number<R>("decisionDays", 208, std::int16_t{90}, &R::decisionDays, &R::setDecisionDays),
      Number<R>("decisionStart", 214, std::int32_t{45600}, &R::decisionStart, &R::setDecisionStart),
      Number<R>("decisionAmount", 218, std::int32_t{123456}, &R::decisionAmount,
                &R::setDecisionAmount),
      Number<R>("decisionNumber", 222, std::int32_t{7654321}, &R::decisionNumber,
                &R::setDecisionNumber),
      Number<R>("manualVoucherNo", 238, std::int32_t{1500}, &R::manualVoucherNo,
                &R::setManualVoucherNo),
      Number<R>("monthSerial", 242, std::int32_t{42}, &R::monthSerial, &R::setMonthSerial),
      Number<R>("yearSerial", 246, std::int32_t{2025042}, &R::yearSerial, &R::setYearSerial),
  };
  l.fields.insert(l.fields.end(), rest.begin(), rest.end());
  l.reserved = {{198, 2}, {202, 4}, {210, 4}, {226, 12}, {250, 12}};
  return l;
}

// The fixture: every field's bytes at its offset, the reserved ranges holding
// arbitrary bytes.
template <class Rec>
ByteVector FixtureOf(const Layout<Rec>& layout) {
  ByteVector image = RandomBytes(Rec::kLength, Rec::kLength);
  for (const auto& f : layout.fields) {
    std::copy(f.stored.begin(), f.stored.end(),
              image.begin() + static_cast<std::ptrdiff_t>(f.offset));
  }
  return image;
}

template <class Rec>
void CopyInto(Rec& rec, const ByteVector& image) {
  std::copy(image.begin(), image.end(), rec.bytes().begin());
}

template <class Rec>
ByteVector BytesOf(const Rec& rec) {
  return ByteVector(rec.bytes().begin(), rec.bytes().end());
}

template <class Rec>
class RecordLayout : public ::testing::Test {
 protected:
  Layout<Rec> layout = LayoutOf<Rec>();
  ByteVector fixture = FixtureOf(layout);
};

using Records = ::testing::Types<SettingsRecord, TicketRecord>;
TYPED_TEST_SUITE(RecordLayout, Records);

TYPED_TEST(RecordLayout, FieldsAndReservedRangesCoverEveryByteOnce) {
  std::vector<int> owners(TypeParam::kLength, 0);
  auto claim = [&](std::size_t offset, std::size_t size, const std::string& name) {
    ASSERT_LE(offset + size, owners.size()) << name;
    for (std::size_t i = offset; i < offset + size; ++i) ++owners[i];
  };
  for (const auto& f : this->layout.fields) claim(f.offset, f.stored.size(), f.name);
  for (const auto& r : this->layout.reserved) claim(r.offset, r.size, "reserved");
  for (std::size_t i = 0; i < owners.size(); ++i) EXPECT_EQ(owners[i], 1) << "byte " << i;
  EXPECT_EQ(sizeof(TypeParam), TypeParam::kLength);
}

TYPED_TEST(RecordLayout, DecodesAFixtureReadFromItsFile) {
  testing_support::TempFolder folder;
  const auto file = folder / "record.vlk";
  WriteFileBytes(file, this->fixture);
  RecordTable<TypeParam> table(1);
  ASSERT_TRUE(table.Load(file).ok());
  EXPECT_EQ(BytesOf(table[1]), this->fixture);
  for (const auto& f : this->layout.fields) f.expectRead(table[1]);
}

TYPED_TEST(RecordLayout, EncodesTheFieldsToTheFixtureBytes) {
  TypeParam rec;
  // Only the reserved bytes are taken from the fixture; every field comes from
  // its setter.
  for (const auto& r : this->layout.reserved) {
    std::copy_n(this->fixture.begin() + static_cast<std::ptrdiff_t>(r.offset), r.size,
                rec.bytes().begin() + static_cast<std::ptrdiff_t>(r.offset));
  }
  for (const auto& f : this->layout.fields) f.store(rec);
  EXPECT_EQ(BytesOf(rec), this->fixture);
}

TYPED_TEST(RecordLayout, EachSetterWritesOnlyItsOwnBytes) {
  for (const auto& f : this->layout.fields) {
    SCOPED_TRACE(f.name);
    TypeParam rec;
    CopyInto(rec, ByteVector(TypeParam::kLength, 0xA5));
    f.store(rec);
    ByteVector expected(TypeParam::kLength, 0xA5);
    std::copy(f.stored.begin(), f.stored.end(),
              expected.begin() + static_cast<std::ptrdiff_t>(f.offset));
    EXPECT_EQ(BytesOf(rec), expected);
  }
}

// A file of three records of arbitrary bytes: one field of record 2 changes
// and is saved, by record and by whole table; every other byte of the file is
// as it was.
TYPED_TEST(RecordLayout, SavingAChangedFieldKeepsEveryOtherByteOfTheFile) {
  const ByteVector original = RandomBytes(7, 3 * TypeParam::kLength);
  const std::size_t base = TypeParam::kLength;  // record 2
  for (bool wholeTable : {false, true}) {
    for (const auto& f : this->layout.fields) {
      SCOPED_TRACE(f.name + (wholeTable ? " saved with the table" : " saved alone"));
      testing_support::TempFolder folder;
      const auto file = folder / "data.vlk";
      WriteFileBytes(file, original);
      RecordTable<TypeParam> table(3);
      ASSERT_TRUE(table.Load(file).ok());
      f.store(table[2]);
      ASSERT_TRUE((wholeTable ? table.SaveTable(file) : table.SaveRecord(file, 2)).ok());
      ByteVector expected = original;
      std::copy(f.stored.begin(), f.stored.end(),
                expected.begin() + static_cast<std::ptrdiff_t>(base + f.offset));
      ASSERT_EQ(ReadFileBytes(file), expected);
    }
  }
}

TEST(SettingsRecordLayout, ANeverAssignedRecordIsZeroAndReadsEmpty) {
  SettingsRecord rec;
  EXPECT_EQ(BytesOf(rec), ByteVector(SettingsRecord::kLength, 0));
  EXPECT_EQ(rec.hospitalName(), "");
  EXPECT_EQ(rec.departmentName(), "");
  EXPECT_EQ(rec.printerName(), "");
  EXPECT_EQ(rec.governorate(), "");
  EXPECT_EQ(rec.anchorDate(), 0.0);
  EXPECT_EQ(rec.ticketCount(), 0);
}

TEST(SettingsRecordLayout, UserNumbersOutsideOneToNineReadZeroAndStoreNothing) {
  const auto layout = LayoutOf<SettingsRecord>();
  const ByteVector fixture = FixtureOf(layout);
  SettingsRecord rec;
  CopyInto(rec, fixture);
  for (int user : {-1, 0, 10, 1000}) {
    EXPECT_EQ(rec.userPassword(user), 0) << user;
    rec.setUserPassword(user, 555);
  }
  EXPECT_EQ(BytesOf(rec), fixture);
}

TEST(TicketRecordLayout, LineNumbersOutsideOneToThirtyReadZeroAndStoreNothing) {
  const auto layout = LayoutOf<TicketRecord>();
  const ByteVector fixture = FixtureOf(layout);
  TicketRecord rec;
  CopyInto(rec, fixture);
  for (int line : {-1, 0, 31, 100}) {
    EXPECT_EQ(rec.drugIndex(line), 0) << line;
    EXPECT_EQ(rec.quantity(line), 0) << line;
    rec.setDrugIndex(line, 555);
    rec.setQuantity(line, 555);
  }
  EXPECT_EQ(BytesOf(rec), fixture);
}

TEST(TicketRecordLayout, ATicketIsEmptyWhenItsFirstTwoDrugIndexesSumBelowOne) {
  struct Case {
    std::int16_t first, second, third;
    bool empty;
  };
  const std::vector<Case> cases = {
      {0, 0, 0, true},          {1, 0, 0, false},         {0, 1, 0, false}, {-1, 1, 0, true},
      {-5, 3, 0, true},         {3, -2, 0, false},        {0, 0, 12, true}, {-1, -1, 0, true},
      {32767, 32767, 0, false}, {-32768, 32767, 0, true},
  };
  for (const auto& c : cases) {
    TicketRecord rec;
    rec.setDrugIndex(1, c.first);
    rec.setDrugIndex(2, c.second);
    rec.setDrugIndex(3, c.third);
    rec.setQuantity(1, 10);
    EXPECT_EQ(rec.IsEmpty(), c.empty)
        << c.first << " + " << c.second << " (line 3: " << c.third << ")";
  }
}

}  // namespace
}  // namespace storage
