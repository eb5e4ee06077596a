#pragma once
// The drug import from a spreadsheet saved as text: one drug per line, the
// name in the first field (fields end at "," or ";"). The whole catalogue is
// replaced: the drugs of the file are numbered 1, 2, 3, ... in file order and
// every other field starts at zero. Blank lines and lines whose first field
// is blank take no number. Allowed only on an empty copy: while ticket 2 or
// receipt 2 holds a line, nothing is imported.
//
// The file is read as code page 1256, as the spreadsheet saves it; a file
// saved as UTF-8 (with or without its byte-order mark) is read as UTF-8.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "core/result.h"

namespace drugs {

inline constexpr std::string_view kImportFileName = "tormo-data.csv";
inline constexpr std::string_view kEmptyCopyOnly = "لا يمكن تنفذي هذا الاجراء الا علي نسخة فارغة";
inline constexpr std::string_view kImportFileMissing = " tormo-data.csv  not present on your desktop";

// How many of ticket 2 and receipt 2 hold a drug on their first line (0, 1
// or 2): the empty-copy message is shown once for each.
int DocumentsHeld(const core::App& app);

// The names the lines give, in order: each line's first field, cleaned, for
// the lines whose first field is not blank. Storing a name cuts it to 30
// characters.
std::vector<std::string> DrugNamesOfLines(const std::vector<std::string>& lines);

// Replaces the catalogue by the drugs of the file and writes the drug file.
// Refused with kEmptyCopyOnly when documents are held; refused with a
// message when the file is missing or names more than 1500 drugs (nothing is
// emptied then); failed, with the old catalogue kept in memory and on disk,
// when the drug file cannot be written. The number of drugs imported goes
// to *imported when given. The caller ends the program after success.
core::Result ImportDrugs(core::App& app, const std::filesystem::path& file,
                         std::int32_t* imported = nullptr);

// The main menu's "استيراد الادوية من ملف اكسيل": the import of
// "tormo-data.csv" on the desktop with its messages; the program ends after
// the catalogue has been replaced.
void ImportDrugsFromDesktop(core::App& app);

}  // namespace drugs
