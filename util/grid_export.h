#pragma once
// Saving a grid as a comma-separated file or as a spreadsheet workbook.

#include <filesystem>
#include <string_view>

#include "storage/record_file.h"
#include "util/grid.h"
#include "util/platform.h"

namespace util {

// Refused when the name typed for an exported file could leave its folder:
// it contains '/', '\' or "..". The refusal carries the message to show.
storage::IoStatus CheckExportFileName(std::string_view name);

// Nothing when the path is empty. Otherwise, with the busy pointer, every
// grid row 0..rows - 1 becomes one line: each cell's text followed by ","
// (the last cell too), written in code page 1256 with CR LF line ends.
storage::IoStatus GridSaveToCsv(Platform& platform, const Grid& grid,
                                const std::filesystem::path& path);

// Writes the grid as the workbook DesktopFolder() + name + ".xlsx", with the
// busy pointer: grid cell (r, c) goes to sheet cell (r + 1, c + 1), centred
// and bold on RGB(250, 250, 210), the first row on RGB(90, 200, 250); column
// c + 1 is the grid column's width in twips / 100 characters wide. A name
// that is empty once trimmed, a refused name (CheckExportFileName), an old
// file that cannot be deleted and a failed write each give a failure with its
// message; nothing is written then.
storage::IoStatus GridSaveToExcel(Platform& platform, const Grid& grid, std::string_view name);

}  // namespace util
