#pragma once
// Text files (code page 1256 on disk, UTF-8 in memory, CR LF line ends) and
// file operations that report failure instead of stopping.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/record_file.h"

namespace util {

// A file named CleanText(path) exists and is neither hidden (a name starting
// with '.') nor a folder; false on any error.
bool FileExists(std::string_view path);

// The whole file decoded from code page 1256; empty when it does not exist.
std::string ReadTextFile(const std::filesystem::path& path);
// Replaces the file with the text followed by CR LF.
storage::IoStatus WriteTextFile(const std::filesystem::path& path, std::string_view text);
// The file's lines at [1], [2], ... ([0] is empty); CR LF or LF ends a line.
std::vector<std::string> ReadLinesFile(const std::filesystem::path& path);
// Replaces the file with every non-empty element of lines from index 0 up,
// one line each with CR LF; yield is called after every hundredth element.
storage::IoStatus WriteLinesFile(const std::filesystem::path& path,
                                 const std::vector<std::string>& lines,
                                 const std::function<void()>& yield = {});
// Copies the file over the target; false on any error.
bool CopyFileSafe(const std::filesystem::path& source, const std::filesystem::path& target);
// Clears the file's read-only bits and deletes it; false on any error.
bool ForceDeleteFile(const std::filesystem::path& path);

}  // namespace util
