#include "util/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

// "سلام" in code page 1256.
constexpr char kSalamCp1256[] = "\xD3\xE1\xC7\xE3";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
  return names;
}

TEST(FileExists, OnlyVisibleFilesThatAreNotFolders) {
  TempFolder temp;
  WriteBytes(temp / "stock.dat", "x");
  WriteBytes(temp / ".hidden", "x");
  fs::create_directory(temp / "folder");
  fs::create_directory(temp / ".config");
  WriteBytes(temp / ".config" / "inside.txt", "x");
  const std::string base = temp.path().string() + "/";

  struct Case {
    std::string path;
    bool expected;
  };
  const Case cases[] = {
      {base + "stock.dat", true},
      {"  " + base + "stock.dat  ", true},                     // spaces cleaned off
      {base + "stock" + std::string(1, '\0') + ".dat", true},  // NULs cleaned off
      {base + "missing.dat", false},
      {base + ".hidden", false},
      {base + "folder", false},
      {base + "folder/", false},
      {base + ".config/inside.txt", true},  // only the file's own name counts
      {base + "stock.dat/x", false},
      {"", false},
      {"   ", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(util::FileExists(c.path), c.expected);
  }
}

TEST(TextFile, WritesCodePage1256WithALineEnd) {
  TempFolder temp;
  const fs::path file = temp / "note.txt";
  ASSERT_TRUE(util::WriteTextFile(file, "سلام 12").ok());
  EXPECT_EQ(ReadBytes(file), std::string(kSalamCp1256) + " 12\r\n");
  EXPECT_EQ(util::ReadTextFile(file), "سلام 12\r\n");
}

TEST(TextFile, ReadDecodesCodePage1256AsItIs) {
  TempFolder temp;
  const fs::path file = temp / "note.txt";
  WriteBytes(file, std::string(kSalamCp1256) + "\r\nA\nB");
  EXPECT_EQ(util::ReadTextFile(file), "سلام\r\nA\nB");
}

TEST(TextFile, WriteReplacesTheWholeFile) {
  TempFolder temp;
  const fs::path file = temp / "note.txt";
  WriteBytes(file, "a much longer old content that must disappear");
  ASSERT_TRUE(util::WriteTextFile(file, "new").ok());
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  EXPECT_EQ(Entries(temp.path()), std::vector<std::string>{"note.txt"});
}

TEST(TextFile, MissingFileReadsEmpty) {
  TempFolder temp;
  EXPECT_EQ(util::ReadTextFile(temp / "missing.txt"), "");
}

TEST(TextFile, WriteIntoAMissingFolderFailsWithAMessage) {
  TempFolder temp;
  const auto status = util::WriteTextFile(temp / "no" / "note.txt", "x");
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.message().empty());
}

TEST(ReadLinesFile, LinesStartAtIndexOne) {
  struct Case {
    const char* name;
    std::string bytes;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"crlf", "a\r\nb\r\n", {"", "a", "b"}},
      {"lf", "a\nb\n", {"", "a", "b"}},
      {"no final line end", "a\r\nb", {"", "a", "b"}},
      {"mixed", "a\nb\r\nc", {"", "a", "b", "c"}},
      {"empty lines inside", "a\r\n\r\n\nb\r\n", {"", "a", "", "", "b"}},
      {"only a line end", "\r\n", {"", ""}},
      {"empty file", "", {""}},
      {"lone cr is text", "a\rb\n", {"", "a\rb"}},
      {"code page 1256", std::string(kSalamCp1256) + "\r\nx", {"", "سلام", "x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    WriteBytes(temp / "lines.txt", c.bytes);
    EXPECT_EQ(util::ReadLinesFile(temp / "lines.txt"), c.expected);
  }
}

TEST(ReadLinesFile, MissingFileHasNoLines) {
  TempFolder temp;
  EXPECT_EQ(util::ReadLinesFile(temp / "missing.txt"), std::vector<std::string>{""});
}

TEST(WriteLinesFile, WritesEveryNonEmptyElementFromIndexZero) {
  TempFolder temp;
  const fs::path file = temp / "lines.txt";
  WriteBytes(file, "old line 1\r\nold line 2\r\nold line 3\r\nold line 4\r\n");
  ASSERT_TRUE(util::WriteLinesFile(file, {"first", "", "سلام", " ", "", "last"}).ok());
  EXPECT_EQ(ReadBytes(file), "first\r\n" + std::string(kSalamCp1256) + "\r\n \r\nlast\r\n");
  EXPECT_EQ(Entries(temp.path()), std::vector<std::string>{"lines.txt"});
}

TEST(WriteLinesFile, ReadsBackAfterTheEmptyFirstElement) {
  TempFolder temp;
  const fs::path file = temp / "lines.txt";
  const std::vector<std::string> lines = {"", "صنف", "line 2", "line 3"};
  ASSERT_TRUE(util::WriteLinesFile(file, lines).ok());
  EXPECT_EQ(util::ReadLinesFile(file), lines);
}

TEST(WriteLinesFile, NothingToWriteLeavesAnEmptyFile) {
  TempFolder temp;
  const fs::path file = temp / "lines.txt";
  WriteBytes(file, "old\r\n");
  ASSERT_TRUE(util::WriteLinesFile(file, {"", ""}).ok());
  EXPECT_TRUE(fs::exists(file));
  EXPECT_EQ(ReadBytes(file), "");
}

TEST(WriteLinesFile, YieldsAfterEveryHundredthElement) {
  struct Case {
    std::size_t elements;
    int yields;
  };
  const Case cases[] = {{0, 0}, {99, 0}, {100, 1}, {199, 1}, {250, 2}, {300, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.elements);
    TempFolder temp;
    // Empty elements count too.
    std::vector<std::string> lines(c.elements);
    for (std::size_t i = 0; i < lines.size(); i += 2) lines[i] = "line " + std::to_string(i);
    int yields = 0;
    ASSERT_TRUE(util::WriteLinesFile(temp / "lines.txt", lines, [&] { ++yields; }).ok());
    EXPECT_EQ(yields, c.yields);
    EXPECT_EQ(util::ReadLinesFile(temp / "lines.txt").size(), 1 + (c.elements + 1) / 2);
  }
}

TEST(WriteLinesFile, WorksWithoutAYield) {
  TempFolder temp;
  std::vector<std::string> lines(250, "x");
  EXPECT_TRUE(util::WriteLinesFile(temp / "lines.txt", lines).ok());
  EXPECT_EQ(util::ReadLinesFile(temp / "lines.txt").size(), 251u);
}

TEST(WriteLinesFile, AFailedWriteLeavesWhatWasThere) {
  TempFolder temp;
  // A folder with the file's name cannot be replaced by a file.
  const fs::path target = temp / "lines.txt";
  fs::create_directory(target);
  WriteBytes(target / "keep.txt", "kept");
  const auto status = util::WriteLinesFile(target, {"a", "b"});
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.message().empty());
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "keep.txt"), "kept");
  EXPECT_EQ(Entries(temp.path()), std::vector<std::string>{"lines.txt"});

  EXPECT_FALSE(util::WriteLinesFile(temp / "missing" / "lines.txt", {"a"}).ok());
}

TEST(CopyFileSafe, CopiesOverTheTarget) {
  TempFolder temp;
  WriteBytes(temp / "source.dat", std::string("ab\0cd", 5));
  WriteBytes(temp / "target.dat", "a longer old content");
  ASSERT_TRUE(util::CopyFileSafe(temp / "source.dat", temp / "target.dat"));
  EXPECT_EQ(ReadBytes(temp / "target.dat"), std::string("ab\0cd", 5));
  EXPECT_EQ(ReadBytes(temp / "source.dat"), std::string("ab\0cd", 5));

  ASSERT_TRUE(util::CopyFileSafe(temp / "source.dat", temp / "new.dat"));
  EXPECT_EQ(ReadBytes(temp / "new.dat"), std::string("ab\0cd", 5));
}

TEST(CopyFileSafe, ReportsFailureInsteadOfStopping) {
  TempFolder temp;
  WriteBytes(temp / "source.dat", "x");
  fs::create_directory(temp / "folder");
  EXPECT_FALSE(util::CopyFileSafe(temp / "missing.dat", temp / "target.dat"));
  EXPECT_FALSE(fs::exists(temp / "target.dat"));
  EXPECT_FALSE(util::CopyFileSafe(temp / "source.dat", temp / "no" / "target.dat"));
  EXPECT_FALSE(util::CopyFileSafe(temp / "folder", temp / "target.dat"));
  EXPECT_FALSE(util::CopyFileSafe(temp / "source.dat", temp / "source.dat"));
  EXPECT_EQ(ReadBytes(temp / "source.dat"), "x");
}

TEST(ForceDeleteFile, DeletesEvenAReadOnlyFile) {
  TempFolder temp;
  const fs::path file = temp / "locked.dat";
  WriteBytes(file, "x");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_TRUE(util::ForceDeleteFile(file));
  EXPECT_FALSE(fs::exists(file));
}

TEST(ForceDeleteFile, FalseWhenThereIsNoFileToDelete) {
  TempFolder temp;
  fs::create_directory(temp / "folder");
  EXPECT_FALSE(util::ForceDeleteFile(temp / "missing.dat"));
  EXPECT_FALSE(util::ForceDeleteFile(temp / "folder"));
  EXPECT_TRUE(fs::is_directory(temp / "folder"));
}

}  // namespace
