#pragma once
// The places of the desktop the program writes to: the desktop folder, the
// drive root of the program folder, the export folder and the small settings
// store (one value per key, kept outside the data folder).

#include <filesystem>
#include <string>
#include <string_view>

#include "util/platform.h"

namespace util {

std::filesystem::path DesktopFolder(const Platform& platform);
std::filesystem::path ProgramDriveRoot(const Platform& platform);
// Empty in network mode; otherwise "ZVK-excell/" under the drive root,
// created when missing.
std::filesystem::path ExportFolder(const Platform& platform);
// Removes one final separator and opens the folder in the file manager.
void OpenFolderInExplorer(Platform& platform, std::string_view path);

// Writes the value to "<key>.daty" in the settings store (whose folder is
// created when missing, except in network mode); errors are ignored.
void SaveSettingText(const Platform& platform, std::string_view key, std::string_view value);
// The stored value with every CR LF removed; empty when there is none.
std::string LoadSettingText(const Platform& platform, std::string_view key);

}  // namespace util
