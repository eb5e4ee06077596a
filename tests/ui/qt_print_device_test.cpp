// The Qt printer device end to end: a page printed to the PDF printer is read
// back with poppler (pdftotext -bbox for the texts, pdftoppm for the lines).

#include "ui/qt_print_device.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "tests/support/fakes.h"
#include "util/dates.h"
#include "util/print_helpers.h"

namespace {

using testing_support::FakeClock;
using testing_support::TempFolder;

constexpr double kMmPerPoint = 25.4 / 72;

bool HaveTool(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Arabic as a PDF reader gets it back: the letters' contextual forms
// (presentation forms, which the font's glyphs map back to) folded to the
// letters, and the bidirectional marks of the extraction dropped.
std::string FoldArabic(const QString& text) {
  QString folded = text.normalized(QString::NormalizationForm_KC);
  folded.removeIf([](QChar c) {
    char16_t u = c.unicode();
    return u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) ||
           (u >= 0x2066 && u <= 0x2069);
  });
  return folded.trimmed().toStdString();
}

// The page's text lines as pdftotext reads them, in logical order.
std::vector<std::string> PdfLines(const std::filesystem::path& pdf,
                                  const std::filesystem::path& txt) {
  std::string command = "pdftotext -enc UTF-8 " + Quoted(pdf) + " " + Quoted(txt);
  if (std::system(command.c_str()) != 0) return {};
  std::vector<std::string> lines;
  for (const QString& line : QString::fromStdString(ReadAll(txt)).split(QChar('\n'))) {
    std::string folded = FoldArabic(line);
    if (!folded.empty()) lines.push_back(folded);
  }
  return lines;
}

// A word of pdftotext -bbox, in mm from the page's top-left corner. The
// box listing gives a right-to-left word's letters in visual order; `text`
// is turned back to logical order.
struct Word {
  std::string text;
  double left, top, right, bottom;
};

std::vector<Word> PdfWords(const std::filesystem::path& pdf, const std::filesystem::path& html) {
  std::string command = "pdftotext -bbox " + Quoted(pdf) + " " + Quoted(html);
  if (std::system(command.c_str()) != 0) return {};
  std::string text = ReadAll(html);
  static const std::regex word(
      R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
  std::vector<Word> out;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), word); it != std::sregex_iterator();
       ++it) {
    const auto& m = *it;
    QString text = QString::fromStdString(m[5].str());
    bool rightToLeft = std::any_of(text.begin(), text.end(), [](QChar c) {
      return c.direction() == QChar::DirAL || c.direction() == QChar::DirR;
    });
    if (rightToLeft) std::reverse(text.begin(), text.end());
    out.push_back({FoldArabic(text), std::stod(m[1].str()) * kMmPerPoint,
                   std::stod(m[2].str()) * kMmPerPoint, std::stod(m[3].str()) * kMmPerPoint,
                   std::stod(m[4].str()) * kMmPerPoint});
  }
  return out;
}

// The page as a grey image at 100 dpi (pdftoppm -gray writes a binary PGM).
class GreyPage {
 public:
  GreyPage(const std::filesystem::path& pdf, const std::filesystem::path& prefix) {
    std::string command = "pdftoppm -gray -r 100 -singlefile " + Quoted(pdf) + " " + Quoted(prefix);
    if (std::system(command.c_str()) != 0) return;
    std::string data = ReadAll(prefix.string() + ".pgm");
    std::size_t pos = 0;
    auto token = [&] {
      while (pos < data.size() && std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
      std::size_t start = pos;
      while (pos < data.size() && !std::isspace(static_cast<unsigned char>(data[pos]))) ++pos;
      return data.substr(start, pos - start);
    };
    if (token() != "P5") return;
    width_ = std::stoi(token());
    height_ = std::stoi(token());
    token();  // maximum grey
    ++pos;
    pixels_ = data.substr(pos);
    if (pixels_.size() < static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)) {
      width_ = height_ = 0;
    }
  }
  bool valid() const { return width_ > 0; }
  double widthMm() const { return width_ * 25.4 / 100; }
  double heightMm() const { return height_ * 25.4 / 100; }
  // Whether a dark pixel lies within 0.3 mm of the point.
  bool DarkNear(double xMm, double yMm) const {
    int cx = static_cast<int>(xMm * 100 / 25.4), cy = static_cast<int>(yMm * 100 / 25.4);
    for (int y = cy - 1; y <= cy + 1; ++y) {
      for (int x = cx - 1; x <= cx + 1; ++x) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) continue;
        if (static_cast<unsigned char>(pixels_[static_cast<std::size_t>(y * width_ + x)]) < 128) {
          return true;
        }
      }
    }
    return false;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  std::string pixels_;
};

class QtPrintDeviceTest : public ::testing::Test {
 protected:
  TempFolder temp;
  FakeClock clock{util::MakeDateTime(2025, 1, 31, 14, 5, 9)};
  std::filesystem::path prints = temp.path() / "program" / "prints";
  // No installed printers: the PDF printer only, and no spooler is asked.
  ui::QtPrintDevice device{prints, clock, [] { return ui::InstalledPrinters{}; }};
};

TEST_F(QtPrintDeviceTest, APrintedPageReadsBackAtItsMillimetres) {
  if (!HaveTool("pdftotext") || !HaveTool("pdftoppm")) GTEST_SKIP() << "poppler-utils missing";
  ASSERT_EQ(device.DeviceName(), "PDF");

  device.SetJobName("تذكرة");
  device.SetScaleModeMillimetres();
  util::PrintCentered(device, "تذكرة صرف", 120, 40, 20, 16);
  const double titleWidth = [&] {
    device.SetFontSize(16);
    double w = device.TextWidth("تذكرة صرف");
    device.SetFontSize(12);
    return w;
  }();
  util::PrintTableGrid(device, 40, 40, 2, 10, 3, "40;40;40");
  util::PrintRightAligned(device, "دواء", 40, 120, 42);
  util::PrintCentered(device, "125.50", 40, 40, 52);
  device.SetDrawWidth(5);
  util::DrawBox(device, 30, 10, 140, 60, 1);
  ASSERT_TRUE(device.EndDoc());

  // One file per job, named by the printout and the clock's time.
  const auto pdf = prints / "تذكرة 2025-01-31 14-05-09.pdf";
  EXPECT_EQ(device.lastPdfFile(), pdf);
  ASSERT_TRUE(std::filesystem::exists(pdf));

  // Read in logical order, as a reader copies it.
  auto lines = PdfLines(pdf, temp.path() / "page.txt");
  EXPECT_EQ(lines, (std::vector<std::string>{"تذكرة صرف", "دواء", "125.50"}));

  auto words = PdfWords(pdf, temp.path() / "page.html");
  auto find = [&](const std::string& text) -> const Word* {
    for (const auto& w : words) {
      if (w.text == text) return &w;
    }
    return nullptr;
  };
  std::string seen;
  for (const auto& w : words) seen += "[" + w.text + "] ";
  const Word* first = find("تذكرة");
  const Word* second = find("صرف");
  ASSERT_NE(first, nullptr) << seen;
  ASSERT_NE(second, nullptr) << seen;
  // The first word stands to the right of the second.
  EXPECT_GT(first->left, second->right);
  // Centred in 40..160 mm, as wide as measured, its top at 20 mm.
  EXPECT_NEAR((second->left + first->right) / 2, 100, 0.3);
  EXPECT_NEAR(first->right - second->left, titleWidth, 0.3);
  EXPECT_NEAR(first->top, 20, 0.5);
  EXPECT_NEAR(second->top, 20, 0.5);
  EXPECT_LT(first->bottom, 20 + 16 * kMmPerPoint * 2.5);

  const Word* drug = find("دواء");
  ASSERT_NE(drug, nullptr);
  EXPECT_NEAR(drug->right, 160, 0.3);
  EXPECT_NEAR(drug->top, 42, 0.5);
  const Word* amount = find("125.50");
  ASSERT_NE(amount, nullptr);
  EXPECT_NEAR((amount->left + amount->right) / 2, 60, 0.3);
  EXPECT_NEAR(amount->top, 52, 0.5);
  EXPECT_LT(amount->bottom, 60);

  GreyPage page(pdf, temp.path() / "page");
  ASSERT_TRUE(page.valid());
  EXPECT_NEAR(page.widthMm(), 210, 0.5);
  EXPECT_NEAR(page.heightMm(), 297, 0.5);
  struct Probe {
    double x, y;
    bool dark;
  };
  const Probe probes[] = {
      {40, 45, true},  {80, 55, true},   {120, 45, true}, {160, 55, true},  // columns
      {60, 40, true},  {100, 50, true},  {140, 60, true},                   // rows
      {30, 30, true},  {170, 30, true},  {100, 10, true}, {100, 70, true},  // the box
      {60, 45, false}, {100, 45, false}, {35, 40, false}, {100, 75, false}, {20, 30, false},
  };
  for (const auto& p : probes) {
    EXPECT_EQ(page.DarkNear(p.x, p.y), p.dark) << p.x << " mm, " << p.y << " mm";
  }
}

TEST_F(QtPrintDeviceTest, MeasuresTextWithTheRealFont) {
  device.SetFontSize(12);
  const double arabic = device.TextWidth("تذكرة صرف");
  device.SetFontSize(24);
  const double twice = device.TextWidth("تذكرة صرف");
  device.SetFontBold(true);
  const double bold = device.TextWidth("تذكرة صرف");

  EXPECT_GT(arabic, 10);
  EXPECT_LT(arabic, 30);
  EXPECT_NEAR(twice, 2 * arabic, 0.02 * arabic);
  EXPECT_GE(bold, twice);
  EXPECT_DOUBLE_EQ(device.TextWidth(""), 0);
  // A trailing blank takes its place.
  EXPECT_GT(device.TextWidth("المستلم "), device.TextWidth("المستلم"));
}

TEST_F(QtPrintDeviceTest, OffersTheInstalledPrintersAndAlwaysThePdfPrinter) {
  ui::InstalledPrinters system{{{"Office", 210, 297}, {"Label", 148, 210}, {"PDF", 210, 297}},
                               "Label"};
  ui::QtPrintDevice withPrinters(prints, clock, [&] { return system; });

  EXPECT_EQ(withPrinters.DeviceNames(), (std::vector<std::string>{"Office", "Label", "PDF"}));
  // The system's default starts active, with its paper.
  EXPECT_EQ(withPrinters.DeviceName(), "Label");
  EXPECT_DOUBLE_EQ(withPrinters.ScaleHeight(), 210);
  EXPECT_TRUE(withPrinters.SetActiveDevice(" Office "));
  EXPECT_DOUBLE_EQ(withPrinters.ScaleHeight(), 297);
  withPrinters.SetOrientation(2);
  EXPECT_DOUBLE_EQ(withPrinters.ScaleHeight(), 210);
  EXPECT_FALSE(withPrinters.SetActiveDevice("office"));
  EXPECT_EQ(withPrinters.DeviceName(), "Office");

  EXPECT_EQ(device.DeviceNames(), std::vector<std::string>{"PDF"});
}

TEST_F(QtPrintDeviceTest, PagesOfOneSecondGetFilesOfTheirOwn) {
  const char* names[] = {"كشف/يومي", "كشف/يومي", ""};
  for (const char* name : names) {
    device.SetJobName(name);
    util::DrawHLine(device, 10, 10, 50);
    ASSERT_TRUE(device.EndDoc());
  }
  EXPECT_TRUE(std::filesystem::exists(prints / "كشف_يومي 2025-01-31 14-05-09.pdf"));
  EXPECT_TRUE(std::filesystem::exists(prints / "كشف_يومي 2025-01-31 14-05-09 (2).pdf"));
  EXPECT_TRUE(std::filesystem::exists(prints / "print 2025-01-31 14-05-09.pdf"));
}

TEST_F(QtPrintDeviceTest, HeldPagesWaitForThePreview) {
  device.HoldPages(true);
  for (int page = 1; page <= 2; ++page) {
    util::PrintCentered(device, "صفحة " + std::to_string(page), 100, 50, 20, 14);
    ASSERT_TRUE(device.EndDoc());
  }
  device.HoldPages(false);
  EXPECT_FALSE(std::filesystem::exists(prints));

  auto pages = device.TakeHeldPages();
  ASSERT_EQ(pages.size(), 2u);
  ui::PrintPreviewDialog preview(pages);
  preview.show();
  preview.preview()->updatePreview();
  EXPECT_EQ(preview.preview()->pageCount(), 2);
  EXPECT_EQ(preview.layoutDirection(), Qt::RightToLeft);
}

TEST_F(QtPrintDeviceTest, PrintingFromThePreviewSendsOneJobPerPage) {
  struct Case {
    const char* button;
    bool printed;
    std::size_t files;
  };
  // From the keyboard: Enter prints, Escape closes.
  for (const auto& c : {Case{"CmdClose", false, 0}, Case{"CmdPrint", true, 2},
                        Case{"Return", true, 2}, Case{"Escape", false, 0}}) {
    SCOPED_TRACE(c.button);
    std::filesystem::remove_all(prints);
    // Presses the button once the preview is up; a preview without it is
    // closed, so the test never waits on a window.
    QTimer presser;
    presser.setInterval(10);
    QObject::connect(&presser, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      presser.stop();
      const std::string key = c.button;
      if (key == "Return" || key == "Escape") {
        QWidget* focused = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        QTest::keyClick(focused, key == "Return" ? Qt::Key_Return : Qt::Key_Escape);
        return;
      }
      if (auto* button = dialog->findChild<QPushButton*>(QString::fromLatin1(c.button))) {
        button->click();
      } else {
        ADD_FAILURE() << "no button " << c.button;
        dialog->reject();
      }
    });
    presser.start();
    bool printed = ui::PrintWithPreview(device, [this] {
      device.SetJobName("report");
      for (int page = 0; page < 2; ++page) {
        util::DrawHLine(device, 10, 10 + page, 50);
        device.EndDoc();
      }
    });
    EXPECT_EQ(printed, c.printed);
    std::size_t files = 0;
    if (std::filesystem::exists(prints)) {
      for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(prints)) ++files;
    }
    EXPECT_EQ(files, c.files);
  }
}

}  // namespace
