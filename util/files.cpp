#include "util/files.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "storage/cp1256.h"
#include "storage/helpers.h"

namespace util {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLinesPerYield = 100;

storage::IoStatus Replace(const std::filesystem::path& path, std::string_view utf8) {
  const std::vector<std::uint8_t> bytes = storage::EncodeCp1256(utf8);
  return storage::ReplaceFile(path, bytes);
}

}  // namespace

bool FileExists(std::string_view path) {
  const std::string clean = storage::CleanText(path);
  if (clean.empty()) return false;
  const std::filesystem::path file = storage::NativePath(clean);
  const std::string name = file.filename().string();
  if (name.empty() || name.front() == '.') return false;
  std::error_code ec;
  const auto status = std::filesystem::status(file, ec);
  if (ec || !std::filesystem::exists(status)) return false;
  return !std::filesystem::is_directory(status);
}

std::string ReadTextFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return {};
  return storage::DecodeCp1256(std::string_view(bytes));
}

storage::IoStatus WriteTextFile(const std::filesystem::path& path, std::string_view text) {
  std::string content(text);
  content += kLineEnd;
  return Replace(path, content);
}

std::vector<std::string> ReadLinesFile(const std::filesystem::path& path) {
  const std::string text = ReadTextFile(path);
  std::vector<std::string> lines(1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    const bool lastLine = end == std::string::npos;
    if (lastLine) end = text.size();
    std::size_t lineEnd = end;
    if (!lastLine && lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.emplace_back(text, start, lineEnd - start);
    start = end + 1;
  }
  return lines;
}

storage::IoStatus WriteLinesFile(const std::filesystem::path& path,
                                 const std::vector<std::string>& lines,
                                 const std::function<void()>& yield) {
  std::string content;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].empty()) {
      content += lines[i];
      content += kLineEnd;
    }
    if ((i + 1) % kLinesPerYield == 0 && yield) yield();
  }
  return Replace(path, content);
}

bool CopyFileSafe(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::error_code ec;
  const bool copied = std::filesystem::copy_file(
      source, target, std::filesystem::copy_options::overwrite_existing, ec);
  return copied && !ec;
}

bool ForceDeleteFile(const std::filesystem::path& path) {
  std::error_code ec;
  const auto status = std::filesystem::symlink_status(path, ec);
  if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) {
    return false;
  }
  if (!std::filesystem::is_symlink(status)) {
    std::filesystem::permissions(path, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
    if (ec) return false;
  }
  const bool removed = std::filesystem::remove(path, ec);
  return removed && !ec;
}

}  // namespace util
