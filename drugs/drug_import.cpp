#include "drugs/drug_import.h"

#include <cstddef>
#include <fstream>
#include <iterator>
#include <utility>

#include "core/tables.h"
#include "storage/cp1256.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "util/desktop.h"
#include "util/files.h"

namespace drugs {
namespace {

// True for text that is well-formed UTF-8 holding at least one character
// beyond ASCII. Arabic in code page 1256 never is.
bool IsUtf8(std::string_view s) {
  bool beyondAscii = false;
  std::size_t i = 0;
  while (i < s.size()) {
    auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    std::size_t extra = (b >= 0xC2 && b <= 0xDF) ? 1
                        : (b & 0xF0) == 0xE0    ? 2
                        : (b >= 0xF0 && b <= 0xF4) ? 3
                                                   : 0;
    if (extra == 0 || i + extra >= s.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    beyondAscii = true;
    i += extra + 1;
  }
  return beyondAscii;
}

// The lines of the file as text: code page 1256 unless the file is UTF-8.
std::vector<std::string> ReadImportLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string bytes{std::istreambuf_iterator<char>(in), {}};
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::string text;
  if (bytes.starts_with(kByteOrderMark)) {
    text = bytes.substr(kByteOrderMark.size());
  } else if (IsUtf8(bytes)) {
    text = std::move(bytes);
  } else {
    text = storage::DecodeCp1256(bytes);
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::size_t lineEnd = end;
    if (lineEnd > start && text[lineEnd - 1] == '\r') --lineEnd;
    lines.emplace_back(text, start, lineEnd - start);
    start = end + 1;
  }
  return lines;
}

}  // namespace

int DocumentsHeld(const core::App& app) {
  int held = 0;
  if (app.tickets()[2].drugIndex(1) > 0) ++held;
  if (app.receipts()[2].lineDrug(1) > 0) ++held;
  return held;
}

std::vector<std::string> DrugNamesOfLines(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  for (const std::string& line : lines) {
    if (line.empty()) continue;
    std::string first = line.substr(0, line.find_first_of(",;"));
    // A first field of blanks would number a drug without a name.
    std::string name = storage::CleanText(first);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

core::Result ImportDrugs(core::App& app, const std::filesystem::path& file,
                         std::int32_t* imported) {
  if (imported != nullptr) *imported = 0;
  if (DocumentsHeld(app) > 0) return core::Result::Refused(std::string(kEmptyCopyOnly));
  if (!util::FileExists(file.string())) {
    return core::Result::Refused(file.string() + " not present");
  }
  std::vector<std::string> names = DrugNamesOfLines(ReadImportLines(file));
  if (names.size() > storage::kMaxDrugs) {
    return core::Result::Refused("الملف يحتوي علي " + std::to_string(names.size()) +
                                 " دواء والحد الاقصي 1500 دواء: لم يستورد شيء");
  }
  storage::DrugTable before = app.drugs();
  app.drugs().Clear();
  std::size_t k = 0;
  for (const std::string& name : names) app.drugs()[++k].setDrugName(name);
  if (auto status = core::SaveAllDrugs(app); !status) {
    app.drugs() = std::move(before);
    return core::Result::Failed(status.message());
  }
  if (imported != nullptr) *imported = static_cast<std::int32_t>(k);
  return core::Result::Done();
}

void ImportDrugsFromDesktop(core::App& app) {
  auto& ui = app.interaction();
  if (int held = DocumentsHeld(app); held > 0) {
    for (int i = 0; i < held; ++i) ui.ShowMessage(kEmptyCopyOnly);
    return;
  }
  const std::filesystem::path file =
      util::DesktopFolder(app.platform()) / std::string(kImportFileName);
  if (!util::FileExists(file.string())) {
    ui.ShowMessage(kImportFileMissing, util::MessageIcon::Error);
    return;
  }
  core::Result result = ImportDrugs(app, file);
  if (!result.done()) {
    ui.ShowMessage(result.message(), util::MessageIcon::Error);
    return;
  }
  app.RequestExit();
}

}  // namespace drugs
