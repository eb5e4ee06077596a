#include "util/grid_export.h"

#include <xlsxwriter.h>

#include <charconv>
#include <string>
#include <system_error>
#include <vector>

#include "util/platform.h"
#include "storage/helpers.h"
#include "util/desktop.h"
#include "util/files.h"

namespace util {
namespace {

constexpr Colour kBodyBackground = Rgb(250, 250, 210);
constexpr Colour kFirstRowBackground = Rgb(90, 200, 250);
constexpr double kTwipsPerWidthUnit = 100.0;
constexpr int kRowsPerYield = 100;


// 0x00BBGGRR as the 0xRRGGBB of the workbook.
lxw_color_t WorkbookColour(Colour c) {
  return static_cast<lxw_color_t>((RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c));
}

// A text that is a plain decimal number ("12", "-3.50") becomes a number in
// the sheet, as a spreadsheet does with a number typed into a cell; every
// other text stays text.
bool PlainNumber(const std::string& text, double& value) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (digits == 0) return false;
  if (i < text.size() && text[i] == '.') {
    ++i;
    std::size_t decimals = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++decimals;
    if (decimals == 0) return false;
  }
  if (i != text.size()) return false;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

bool PathExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::symlink_status(path, ec));
}

storage::IoStatus WriteFailed(const std::filesystem::path& target, lxw_error error) {
  return storage::IoStatus::Failed("تعذر حفظ ملف الاكسيل " + target.string() + " (" +
                                   lxw_strerror(error) + ")");
}

}  // namespace

storage::IoStatus CheckExportFileName(std::string_view name) {
  const bool leavesFolder = name.find('/') != std::string_view::npos ||
                            name.find('\\') != std::string_view::npos ||
                            name.find("..") != std::string_view::npos;
  if (!leavesFolder) return storage::IoStatus::Ok();
  return storage::IoStatus::Failed(
      "اسم الملف لا يجوز أن يحتوي على \"/\" أو \"\\\" أو \"..\" - اكتب اسما فقط بدون مسار");
}

storage::IoStatus GridSaveToCsv(Platform& platform, const Grid& grid,
                                const std::filesystem::path& path) {
  if (path.empty()) return storage::IoStatus::Ok();
  BusyPointer busy(platform);
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(grid.Rows()));
  for (int row = 0; row < grid.Rows(); ++row) {
    std::string line;
    for (const GridCell& cell : grid.Cells(row)) {
      line += cell.text;
      line += ',';
    }
    lines.push_back(std::move(line));
  }
  return WriteLinesFile(path, lines, [&platform] { platform.Yield(); });
}

storage::IoStatus GridSaveToExcel(Platform& platform, const Grid& grid, std::string_view name) {
  if (storage::CleanText(name).empty()) {
    return storage::IoStatus::Failed("لم يكتب اسم للملف");
  }
  if (storage::IoStatus refused = CheckExportFileName(name); !refused) return refused;

  BusyPointer busy(platform);
  const std::filesystem::path target = DesktopFolder(platform) / (std::string(name) + ".xlsx");
  if (PathExists(target)) {
    ForceDeleteFile(target);
    if (PathExists(target)) {
      return storage::IoStatus::Failed("تعذر حذف الملف القديم " + target.string());
    }
  }

  lxw_workbook* workbook = workbook_new(target.string().c_str());
  if (workbook == nullptr) return WriteFailed(target, LXW_ERROR_CREATING_XLSX_FILE);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
  lxw_format* body = workbook_add_format(workbook);
  lxw_format* first = workbook_add_format(workbook);
  for (lxw_format* format : {body, first}) {
    format_set_align(format, LXW_ALIGN_CENTER);
    format_set_bold(format);
  }
  format_set_bg_color(body, WorkbookColour(kBodyBackground));
  format_set_bg_color(first, WorkbookColour(kFirstRowBackground));

  lxw_error error = LXW_NO_ERROR;
  for (int row = 0; row < grid.Rows() && error == LXW_NO_ERROR; ++row) {
    lxw_format* format = row == 0 ? first : body;
    for (int col = 0; col < grid.Cols() && error == LXW_NO_ERROR; ++col) {
      const std::string& text = grid.Text(row, col);
      const auto sheetRow = static_cast<lxw_row_t>(row);
      const auto sheetCol = static_cast<lxw_col_t>(col);
      double number = 0;
      error = PlainNumber(text, number)
                  ? worksheet_write_number(sheet, sheetRow, sheetCol, number, format)
                  : worksheet_write_string(sheet, sheetRow, sheetCol, text.c_str(), format);
    }
    if ((row + 1) % kRowsPerYield == 0) platform.Yield();
  }
  for (int col = 0; col < grid.Cols() && error == LXW_NO_ERROR; ++col) {
    const auto sheetCol = static_cast<lxw_col_t>(col);
    error = worksheet_set_column(sheet, sheetCol, sheetCol, grid.ColWidth(col) / kTwipsPerWidthUnit,
                                 nullptr);
  }
  const lxw_error closed = workbook_close(workbook);
  if (error == LXW_NO_ERROR) error = closed;
  if (error != LXW_NO_ERROR) {
    ForceDeleteFile(target);
    return WriteFailed(target, error);
  }
  return storage::IoStatus::Ok();
}

}  // namespace util
