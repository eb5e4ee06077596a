#include "util/desktop.h"

#include "storage/helpers.h"
#include "util/files.h"

namespace util {
namespace {

std::filesystem::path SettingFile(const Platform& platform, std::string_view key) {
  std::string name(key);
  name += ".daty";
  return platform.SettingsStoreFolder() / name;
}

}  // namespace

std::filesystem::path DesktopFolder(const Platform& platform) { return platform.DesktopFolder(); }

std::filesystem::path ProgramDriveRoot(const Platform& platform) {
  return platform.ProgramDriveRoot();
}

std::filesystem::path ExportFolder(const Platform& platform) {
  if (platform.RunningFromNetwork()) return {};
  std::filesystem::path folder = ProgramDriveRoot(platform) / "ZVK-excell/";
  storage::MakeFolder(folder.string(), platform.RunningFromNetwork());
  return folder;
}

void OpenFolderInExplorer(Platform& platform, std::string_view path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.remove_suffix(1);
  platform.OpenFolder(storage::NativePath(path));
}

void SaveSettingText(const Platform& platform, std::string_view key, std::string_view value) {
  storage::MakeFolder(platform.SettingsStoreFolder().string(), platform.RunningFromNetwork());
  // A setting that cannot be kept is not worth stopping for.
  static_cast<void>(WriteTextFile(SettingFile(platform, key), value));
}

std::string LoadSettingText(const Platform& platform, std::string_view key) {
  std::string text = ReadTextFile(SettingFile(platform, key));
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      ++i;
      continue;
    }
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace util
