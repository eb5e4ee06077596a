// Field encodings: little-endian numbers, dates, Booleans, code page 1256
// fixed texts and length-prefixed variable texts.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

#include "storage/cp1256.h"
#include "storage/fields.h"
#include "tests/storage/file_bytes.h"

namespace storage {
namespace {

using storage_test::Ascii;
using storage_test::ByteVector;
using storage_test::Le;
using storage_test::Padded;

// Each number written at offset 3 of a 16-byte record holding 0xEE: the bytes
// are exactly the little-endian image, nothing around them moves, and the
// value reads back.
struct ScalarCase {
  std::string name;
  std::function<void(Bytes)> write;
  std::function<bool(ConstBytes)> readsBack;
  ByteVector bytes;
};

TEST(Fields, NumbersAreLittleEndianAtTheirOffset) {
  const std::vector<ScalarCase> cases = {
      {"Integer -2",
       [](Bytes r) { WriteInteger(r, 3, -2); },
       [](ConstBytes r) { return ReadInteger(r, 3) == -2; },
       {0xFE, 0xFF}},
      {"Integer 0x1234",
       [](Bytes r) { WriteInteger(r, 3, 0x1234); },
       [](ConstBytes r) { return ReadInteger(r, 3) == 0x1234; },
       {0x34, 0x12}},
      {"Integer min",
       [](Bytes r) { WriteInteger(r, 3, -32768); },
       [](ConstBytes r) { return ReadInteger(r, 3) == -32768; },
       {0x00, 0x80}},
      {"Long 0x01020304",
       [](Bytes r) { WriteLong(r, 3, 0x01020304); },
       [](ConstBytes r) { return ReadLong(r, 3) == 0x01020304; },
       {0x04, 0x03, 0x02, 0x01}},
      {"Long -500000",
       [](Bytes r) { WriteLong(r, 3, -500000); },
       [](ConstBytes r) { return ReadLong(r, 3) == -500000; },
       {0xE0, 0x5E, 0xF8, 0xFF}},
      {"Single 1",
       [](Bytes r) { WriteSingle(r, 3, 1.0f); },
       [](ConstBytes r) { return ReadSingle(r, 3) == 1.0f; },
       {0x00, 0x00, 0x80, 0x3F}},
      {"Single -2.5",
       [](Bytes r) { WriteSingle(r, 3, -2.5f); },
       [](ConstBytes r) { return ReadSingle(r, 3) == -2.5f; },
       {0x00, 0x00, 0x20, 0xC0}},
      {"Double 1",
       [](Bytes r) { WriteDouble(r, 3, 1.0); },
       [](ConstBytes r) { return ReadDouble(r, 3) == 1.0; },
       {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F}},
      // 1900-01-01 is day 2 after 1899-12-30; noon is half a day.
      {"Date 1900-01-01 noon",
       [](Bytes r) { WriteDate(r, 3, 2.5); },
       [](ConstBytes r) { return ReadDate(r, 3) == 2.5; },
       {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0x40}},
      {"Date none", [](Bytes r) { WriteDate(r, 3, 0.0); },
       [](ConstBytes r) { return ReadDate(r, 3) == 0.0; }, ByteVector(8, 0x00)},
      {"Boolean true",
       [](Bytes r) { WriteBoolean(r, 3, true); },
       [](ConstBytes r) { return ReadBoolean(r, 3); },
       {0xFF, 0xFF}},
      {"Boolean false",
       [](Bytes r) { WriteBoolean(r, 3, false); },
       [](ConstBytes r) { return !ReadBoolean(r, 3); },
       {0x00, 0x00}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::array<std::uint8_t, 16> rec;
    rec.fill(0xEE);
    c.write(rec);
    ByteVector expected(16, 0xEE);
    std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + 3);
    EXPECT_EQ(ByteVector(rec.begin(), rec.end()), expected);
    EXPECT_TRUE(c.readsBack(rec));
  }
}

TEST(Fields, AnyNonZeroIntegerReadsAsTrue) {
  const std::vector<std::pair<ByteVector, bool>> cases = {
      {{0x00, 0x00}, false}, {{0xFF, 0xFF}, true}, {{0x01, 0x00}, true},
      {{0x00, 0x01}, true},  {{0x00, 0x80}, true},
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(ReadBoolean(bytes, 0), expected) << int(bytes[0]) << "," << int(bytes[1]);
  }
}

TEST(Fields, AFieldPastTheRecordEndReadsZeroAndIsNotWritten) {
  std::array<std::uint8_t, 8> rec;
  rec.fill(0x5A);
  // Partly outside (offset 7 for 2 bytes, 5 for 4, 1 for 8) and wholly outside.
  EXPECT_EQ(ReadInteger(rec, 7), 0);
  EXPECT_EQ(ReadLong(rec, 5), 0);
  EXPECT_EQ(ReadDouble(rec, 1), 0.0);
  EXPECT_EQ(ReadLong(rec, 100), 0);
  EXPECT_FALSE(ReadBoolean(rec, 8));
  WriteInteger(rec, 7, 1);
  WriteLong(rec, 5, 1);
  WriteDouble(rec, 1, 1.0);
  WriteSingle(rec, 8, 1.0f);
  WriteFixedText(rec, 8, 4, "abcd");
  for (auto b : rec) EXPECT_EQ(b, 0x5A);
  // A text that starts inside is cut at the record's end.
  WriteFixedText(rec, 6, 5, "abcde");
  EXPECT_EQ(rec[5], 0x5A);
  EXPECT_EQ(rec[6], 'a');
  EXPECT_EQ(rec[7], 'b');
  EXPECT_EQ(ReadCleanText(rec, 6, 5), "ab");
}

struct StoreTextCase {
  std::string name;
  std::string text;  // UTF-8
  std::size_t n;
  ByteVector stored;
  std::string readBack;
};

TEST(Fields, FixedTextIsCodePage1256LeftAlignedPaddedAndCut) {
  const std::string longName = "Abdel Rahman Mohamed Hassan Ibrahim";  // 35 characters
  ASSERT_EQ(longName.size(), 35u);
  const std::vector<StoreTextCase> cases = {
      {"short ascii", "Cairo", 8, Ascii("Cairo   "), "Cairo"},
      {"exact length", "Tanta", 5, Ascii("Tanta"), "Tanta"},
      {"empty", "", 4, Ascii("    "), ""},
      {"35 characters in 30", longName, 30, Ascii(longName.substr(0, 30)), longName.substr(0, 30)},
      // alef, beh: one byte each.
      {"two letters", "اب", 4, {0xC7, 0xC8, ' ', ' '}, "اب"},
      {"pharmacy name", "صيدلية نفقة الدولة", 30,
       Padded({0xD5, 0xED, 0xCF, 0xE1, 0xED, 0xC9, 0x20, 0xE4, 0xDD, 0xDE, 0xC9, 0x20, 0xC7, 0xE1,
               0xCF, 0xE6, 0xE1, 0xC9},
              30),
       "صيدلية نفقة الدولة"},
      // Arabic longer than the field: cut by characters, not UTF-8 bytes.
      {"arabic cut", "القاهرة الجديدة", 7, {0xC7, 0xE1, 0xDE, 0xC7, 0xE5, 0xD1, 0xC9}, "القاهرة"},
      {"mixed", "Ward 3 جراحة", 14,
       Padded({'W', 'a', 'r', 'd', ' ', '3', ' ', 0xCC, 0xD1, 0xC7, 0xCD, 0xC9}, 14),
       "Ward 3 جراحة"},
      // A character the code page lacks takes one '?'.
      {"unknown character", "a中b", 4, Ascii("a?b "), "a?b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ByteVector rec(c.n + 4, 0xEE);
    WriteFixedText(rec, 2, c.n, c.text);
    ByteVector expected(c.n + 4, 0xEE);
    std::copy(c.stored.begin(), c.stored.end(), expected.begin() + 2);
    EXPECT_EQ(rec, expected);
    EXPECT_EQ(ReadCleanText(rec, 2, c.n), c.readBack);
  }
}

TEST(Fields, StoringAShorterTextOverALongerOneLeavesNoTail) {
  ByteVector rec(10, 0);
  WriteFixedText(rec, 0, 10, "Alexandria");
  WriteFixedText(rec, 0, 10, "Giza");
  EXPECT_EQ(rec, Ascii("Giza      "));
  EXPECT_EQ(ReadCleanText(rec, 0, 10), "Giza");
}

TEST(Fields, StoredTextsReadCleaned) {
  const std::vector<std::pair<ByteVector, std::string>> cases = {
      {ByteVector(6, 0x00), ""},                       // never assigned
      {Ascii("      "), ""},                           // all spaces
      {{'A', 0, 'l', 0, 'i', 0}, "Ali"},               // NULs between letters
      {{' ', ' ', 'N', 'o', ' ', ' '}, "No"},          // both sides trimmed
      {{0, ' ', 'x', ' ', 'y', 0}, "x y"},             // inner space kept
      {{0xD3, 0xE5, 0xC7, 0x00, 0x00, 0x00}, "سها"},   // Arabic then NULs
      {{0xE3, 0x00, 0xCD, 0x00, 0xE3, 0xCF}, "محمد"},  // Arabic with NULs between
  };
  for (const auto& [bytes, expected] : cases) {
    EXPECT_EQ(ReadCleanText(bytes, 0, 6), expected);
  }
  // The raw reading keeps NULs and padding for the readers that clean it.
  ByteVector raw = {'a', 0, ' '};
  EXPECT_EQ(ReadFixedText(raw, 0, 3), std::string("a\0 ", 3));
}

TEST(Cp1256, EveryByteDecodesAndEncodesBackToItself) {
  for (int b = 0; b < 256; ++b) {
    const std::uint8_t byte = static_cast<std::uint8_t>(b);
    std::string utf8 = DecodeCp1256(ConstBytes(&byte, 1));
    ASSERT_EQ(EncodeCp1256(utf8), ByteVector{byte}) << "byte " << b;
    EXPECT_EQ(Cp1256Length(utf8), 1u) << "byte " << b;
  }
}

TEST(Cp1256, KnownLettersAndSigns) {
  const std::vector<std::pair<std::uint8_t, std::string>> cases = {
      {0xC7, "ا"}, {0xC8, "ب"}, {0xC9, "ة"}, {0xE1, "ل"}, {0xED, "ي"},
      {0xC1, "ء"}, {0x80, "€"}, {0x41, "A"}, {0x20, " "},
  };
  for (const auto& [byte, letter] : cases) {
    EXPECT_EQ(DecodeCp1256(ConstBytes(&byte, 1)), letter) << int(byte);
    EXPECT_EQ(EncodeCp1256(letter), ByteVector{byte}) << letter;
  }
}

TEST(Cp1256, MalformedUtf8BecomesOneQuestionMarkPerByte) {
  // A lone continuation byte, a truncated two-byte sequence at the end, and a
  // three-byte lead followed by a non-continuation byte.
  const std::string bad = std::string("a\x80") + "b" + "\xE2" + "x" + "\xD8";
  EXPECT_EQ(EncodeCp1256String(bad), "a?b?x?");
  EXPECT_EQ(Cp1256Length(bad), 6u);
}

TEST(VarText, LengthPrefixThenBytesAndTheNextFieldFollows) {
  ByteVector rec(32, 0xEE);
  auto afterFirst = WriteVarText(rec, 0, "abc");
  ASSERT_TRUE(afterFirst.has_value());
  EXPECT_EQ(*afterFirst, 5u);
  auto afterSecond = WriteVarText(rec, *afterFirst, "سعر");  // 3 letters, 3 bytes
  ASSERT_TRUE(afterSecond.has_value());
  EXPECT_EQ(*afterSecond, 10u);
  WriteInteger(rec, *afterSecond, 77);

  ByteVector expected = {0x03, 0x00, 'a', 'b', 'c', 0x03, 0x00, 0xD3, 0xDA, 0xD1, 77, 0};
  EXPECT_EQ(ByteVector(rec.begin(), rec.begin() + 12), expected);
  for (std::size_t i = 12; i < rec.size(); ++i) EXPECT_EQ(rec[i], 0xEE) << i;

  VarText first = ReadVarText(rec, 0);
  EXPECT_EQ(first.text, "abc");
  VarText second = ReadVarText(rec, first.nextOffset);
  EXPECT_EQ(second.text, "سعر");
  EXPECT_EQ(ReadInteger(rec, second.nextOffset), 77);
}

TEST(VarText, EmptyTextIsALengthOfZero) {
  ByteVector rec(4, 0xEE);
  EXPECT_EQ(WriteVarText(rec, 0, ""), std::optional<std::size_t>(2));
  EXPECT_EQ(rec, (ByteVector{0, 0, 0xEE, 0xEE}));
  VarText v = ReadVarText(rec, 0);
  EXPECT_EQ(v.text, "");
  EXPECT_EQ(v.nextOffset, 2u);
}

TEST(VarText, ATextLongerThanTheRecordAllowsIsRefusedAndNothingWritten) {
  constexpr std::size_t kLength = 20;
  // At offset 0 the room is kLength - 2 bytes; further in it is less.
  const std::vector<std::tuple<std::size_t, std::string, bool>> cases = {
      {0, std::string(kLength - 2, 'x'), true},
      {0, std::string(kLength - 1, 'x'), false},
      {0, std::string(kLength, 'x'), false},
      {0, "ابتثجحخدذرزسشصضطظع", true},    // 18 letters = 18 bytes
      {0, "ابتثجحخدذرزسشصضطظعغ", false},  // 19 letters
      {6, std::string(kLength - 8, 'y'), true},
      {6, std::string(kLength - 7, 'y'), false},
      {kLength - 2, "", true},
      {kLength - 1, "", false},
      {kLength + 5, "", false},
  };
  for (const auto& [offset, text, fits] : cases) {
    SCOPED_TRACE(std::to_string(offset) + " / " + std::to_string(Cp1256Length(text)));
    ByteVector rec(kLength, 0xEE);
    auto next = WriteVarText(rec, offset, text);
    EXPECT_EQ(next.has_value(), fits);
    if (fits) {
      EXPECT_EQ(*next, offset + 2 + Cp1256Length(text));
      VarText back = ReadVarText(rec, offset);
      EXPECT_EQ(back.text, text);
      EXPECT_EQ(back.nextOffset, *next);
    } else {
      EXPECT_EQ(rec, ByteVector(kLength, 0xEE));
    }
  }
}

TEST(VarText, ADamagedLengthStaysInsideTheRecord) {
  struct Case {
    std::string name;
    ByteVector rec;
    std::size_t offset;
    std::string text;
    std::size_t next;
  };
  const std::vector<Case> cases = {
      {"negative", {0xFF, 0xFF, 'a', 'b'}, 0, "", 2},
      {"most negative", {0x00, 0x80, 'a', 'b'}, 0, "", 2},
      {"larger than the record", {0x10, 0x00, 'a', 'b', 'c'}, 0, "abc", 5},
      {"largest", {0xFF, 0x7F, 'a', 'b', 'c'}, 0, "abc", 5},
      {"length split by the record end", {'a', 'b', 0x05}, 2, "", 3},
      {"offset at the end", {'a', 'b'}, 2, "", 2},
      {"offset past the end", {'a', 'b'}, 9, "", 2},
      {"empty record", {}, 0, "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // A copy of exactly the record's size, so a read past it is caught by the
    // sanitizers.
    auto heap = std::make_unique<std::uint8_t[]>(c.rec.size());
    std::copy(c.rec.begin(), c.rec.end(), heap.get());
    VarText v = ReadVarText(ConstBytes(heap.get(), c.rec.size()), c.offset);
    EXPECT_EQ(v.text, c.text);
    EXPECT_EQ(v.nextOffset, c.next);
  }
}

}  // namespace
}  // namespace storage
