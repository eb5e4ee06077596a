// The PDF writer of tormo-cli's "print ... --pdf FILE": it measures with the
// program's print face, and each ended page becomes the file, on its paper,
// read back with poppler (pdfinfo, pdftotext -bbox).

#include "app/pdf_file_device.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "tests/support/fakes.h"
#include "ui/page_painter.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;

constexpr double kMmPerPoint = 25.4 / 72;

bool HaveTool(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// What a poppler tool writes for the file, or "" when it fails.
std::string Poppler(const std::string& tool, const fs::path& pdf, const fs::path& out) {
  const std::string command =
      tool + " '" + pdf.string() + "' '" + out.string() + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return {};
  return ReadAll(out);
}

std::string PdfInfo(const fs::path& pdf, const fs::path& out) {
  const std::string command = "pdfinfo '" + pdf.string() + "' > '" + out.string() + "' 2>&1";
  if (std::system(command.c_str()) != 0) return {};
  return ReadAll(out);
}

struct Size {
  double width = -1, height = -1;
};

// The page size pdfinfo gives, in mm.
Size PageSize(const std::string& info) {
  std::smatch m;
  if (!std::regex_search(info, m, std::regex("Page size: +([0-9.]+) x ([0-9.]+) pts"))) return {};
  return {std::stod(m[1].str()) * kMmPerPoint, std::stod(m[2].str()) * kMmPerPoint};
}

struct Box {
  double left = -1, top = -1, right = -1;
};

// The box of a word of pdftotext -bbox, in mm from the paper's top-left
// corner.
Box WordBox(const std::string& html, const std::string& word) {
  const std::regex pattern(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
      "yMax=\"[0-9.]+\">" +
      word + "</word>");
  std::smatch m;
  if (!std::regex_search(html, m, pattern)) return {};
  return {std::stod(m[1].str()) * kMmPerPoint, std::stod(m[2].str()) * kMmPerPoint,
          std::stod(m[3].str()) * kMmPerPoint};
}

TEST(PdfFileDevice, MeasuresTextAsTheProgramsPrinterDoes) {
  TempFolder temp;
  app::PdfFileDevice device(temp / "page.pdf");
  const std::string title = "تذكرة صرف";

  device.SetFontSize(12);
  EXPECT_DOUBLE_EQ(device.TextWidth(title), ui::PrintedTextWidth(title, 12, false));
  device.SetFontSize(20);
  device.SetFontBold(true);
  EXPECT_DOUBLE_EQ(device.TextWidth(title), ui::PrintedTextWidth(title, 20, true));
  EXPECT_GT(ui::PrintedTextWidth(title, 20, true), ui::PrintedTextWidth(title, 20, false));
  // The face's own widths, not a width per character.
  EXPECT_LT(device.TextWidth("iiii") * 2, device.TextWidth("WWWW"));
  EXPECT_DOUBLE_EQ(device.TextWidth(""), 0);
}

TEST(PdfFileDevice, EachEndedPageBecomesTheFileOnItsPaper) {
  if (!HaveTool("pdfinfo") || !HaveTool("pdftotext")) GTEST_SKIP() << "poppler-utils missing";
  TempFolder temp;
  const fs::path pdf = temp / "ticket.pdf";
  app::PdfFileDevice device(pdf);
  ASSERT_EQ(device.DeviceName(), "PDF");

  device.SetJobName("Receipt");
  device.SetOrientation(util::PrintDevice::kLandscape);
  device.SetFontSize(14);
  device.SetCurrentX(50);
  device.SetCurrentY(20);
  device.Print("Landscape");
  ASSERT_TRUE(device.EndDoc());
  const std::string first = PdfInfo(pdf, temp / "first.txt");
  EXPECT_NE(first.find("Title:           Receipt"), std::string::npos) << first;
  EXPECT_NE(first.find("Pages:           1"), std::string::npos) << first;
  EXPECT_NEAR(PageSize(first).width, 297, 0.5) << first;
  EXPECT_NEAR(PageSize(first).height, 210, 0.5);

  device.SetJobName("Ticket");
  device.SetOrientation(util::PrintDevice::kPortrait);
  device.SetFontSize(12);
  device.SetCurrentX(30);
  device.SetCurrentY(40);
  const double width = device.TextWidth("Panadol");
  device.Print("Panadol");
  device.Line(30, 60, 150, 60);
  ASSERT_TRUE(device.EndDoc());

  // The later page replaces the earlier one.
  const std::string second = PdfInfo(pdf, temp / "second.txt");
  EXPECT_NE(second.find("Title:           Ticket"), std::string::npos) << second;
  EXPECT_NE(second.find("Pages:           1"), std::string::npos) << second;
  EXPECT_NEAR(PageSize(second).width, 210, 0.5) << second;
  EXPECT_NEAR(PageSize(second).height, 297, 0.5);
  const std::string html = Poppler("pdftotext -bbox", pdf, temp / "page.html");
  EXPECT_EQ(html.find("Landscape"), std::string::npos);
  // At its millimetres, as wide as measured.
  const Box word = WordBox(html, "Panadol");
  EXPECT_NEAR(word.left, 30, 0.3) << html;
  EXPECT_NEAR(word.right - word.left, width, 0.3);
  EXPECT_NEAR(word.top, 40, 0.5);
}

}  // namespace
