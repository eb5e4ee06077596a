#include "util/desktop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/fakes.h"

namespace {

namespace fs = std::filesystem;
using testing_support::FakePlatform;
using testing_support::TempFolder;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

TEST(DesktopPlaces, ComeFromThePlatform) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  EXPECT_EQ(util::DesktopFolder(platform), temp.path() / "Desktop" / "");
  EXPECT_EQ(util::ProgramDriveRoot(platform), temp.path() / "");
}

TEST(ExportFolder, IsCreatedUnderTheDriveRoot) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  const fs::path expected = temp.path() / "ZVK-excell" / "";
  EXPECT_EQ(util::ExportFolder(platform), expected);
  EXPECT_TRUE(fs::is_directory(expected));

  // An existing folder is used as it is, with what it holds.
  WriteBytes(expected / "report.csv", "x");
  EXPECT_EQ(util::ExportFolder(platform), expected);
  EXPECT_EQ(ReadBytes(expected / "report.csv"), "x");
}

TEST(ExportFolder, NoneInNetworkMode) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  platform.network = true;
  EXPECT_TRUE(util::ExportFolder(platform).empty());
  EXPECT_FALSE(fs::exists(temp.path() / "ZVK-excell"));
}

TEST(OpenFolderInExplorer, DropsOneFinalSeparator) {
  struct Case {
    const char* path;
    const char* opened;
  };
  const Case cases[] = {
      {"/data/stock/", "/data/stock"},
      {"/data/stock", "/data/stock"},
      {"D:\\ZVK-excell\\", "D:/ZVK-excell"},
      {"D:\\ZVK-excell", "D:/ZVK-excell"},
      {"/data/stock//", "/data/stock/"},
      {"D:\\a\\\\b\\", "D:/a/b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    TempFolder temp;
    FakePlatform platform(temp.path());
    util::OpenFolderInExplorer(platform, c.path);
    ASSERT_EQ(platform.openedFolders.size(), 1u);
    EXPECT_EQ(platform.openedFolders[0], fs::path(c.opened));
  }
}

TEST(SettingText, SavedAndLoadedByKey) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  ASSERT_FALSE(fs::exists(temp.path() / "pimdata"));
  util::SaveSettingText(platform, "printer", "طابعة 1");
  EXPECT_EQ(ReadBytes(temp.path() / "pimdata" / "printer.daty"), "\xD8\xC7\xC8\xDA\xC9 1\r\n");
  EXPECT_EQ(util::LoadSettingText(platform, "printer"), "طابعة 1");

  util::SaveSettingText(platform, "printer", "B");
  util::SaveSettingText(platform, "folder", "C");
  EXPECT_EQ(util::LoadSettingText(platform, "printer"), "B");
  EXPECT_EQ(util::LoadSettingText(platform, "folder"), "C");
}

TEST(SettingText, MissingSettingIsEmpty) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  EXPECT_EQ(util::LoadSettingText(platform, "nothing"), "");
}

TEST(SettingText, LoadRemovesEveryCrLfOnly) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  fs::create_directory(temp.path() / "pimdata");
  WriteBytes(temp.path() / "pimdata" / "k.daty", "a\r\nb\r\n\r\nc\nd\re\r\n");
  EXPECT_EQ(util::LoadSettingText(platform, "k"), "abc\nd\re");
}

TEST(SettingText, NetworkModeCreatesNoFolderButUsesAnExistingOne) {
  TempFolder temp;
  FakePlatform platform(temp.path());
  platform.network = true;
  util::SaveSettingText(platform, "k", "v");  // the failure is ignored
  EXPECT_FALSE(fs::exists(temp.path() / "pimdata"));
  EXPECT_EQ(util::LoadSettingText(platform, "k"), "");

  fs::create_directory(temp.path() / "pimdata");
  util::SaveSettingText(platform, "k", "v");
  EXPECT_EQ(util::LoadSettingText(platform, "k"), "v");
}

}  // namespace
