#include "util/print_helpers.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "util/recording_print_device.h"

namespace {

using util::PrintedLine;
using util::PrintedText;
using util::RecordingPrintDevice;
using util::WidthSeparators;

// The recording device measures 0.2 mm per point per character.

TEST(PrintCentered, CentresTheMeasuredTextInTheBox) {
  struct Case {
    const char* text;
    double boxWidth, boxLeft, top, fontSize;
    double expectedX, expectedSize;
  };
  const Case cases[] = {
      // 3 characters at the device's 10 points: 6 mm wide.
      {"abc", 40, 10, 5, 0, 10 + (40 - 6) / 2.0, 10},
      // The size is set before measuring: 4 x 0.2 x 12 = 9.6 mm.
      {"abcd", 60, 80, 10, 12, 80 + (60 - 9.6) / 2, 12},
      // Arabic counts its characters (9 with the space): 9 x 0.2 x 13 = 23.4 mm.
      {"تذكرة صرف", 60, 80, 10, 13, 80 + (60 - 23.4) / 2, 13},
      // Wider than its box: starts left of it.
      {"abcdefghij", 10, 0, 0, 0, -5, 10},
      // A size of 0 or below leaves the current size.
      {"ab", 20, 0, 3, -4, 8, 10},
      {"", 20, 0, 3, 0, 10, 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    RecordingPrintDevice device;
    util::PrintCentered(device, c.text, c.boxWidth, c.boxLeft, c.top, c.fontSize);
    if (std::string(c.text).empty()) {
      EXPECT_TRUE(device.page().texts.empty());
    } else {
      ASSERT_EQ(device.page().texts.size(), 1u);
      const PrintedText& t = device.page().texts[0];
      EXPECT_EQ(t.text, c.text);
      EXPECT_NEAR(t.x, c.expectedX, 1e-9);
      EXPECT_DOUBLE_EQ(t.y, c.top);
      EXPECT_DOUBLE_EQ(t.fontSize, c.expectedSize);
    }
    EXPECT_DOUBLE_EQ(device.CurrentY(), c.top);
    EXPECT_DOUBLE_EQ(device.FontSize(), 10);
  }
}

TEST(PrintCentered, RestoresThePreviousSizeOnlyWhenItSetOne) {
  RecordingPrintDevice device;
  device.SetFontSize(9);
  device.SetFontBold(true);

  util::PrintCentered(device, "a", 10, 0, 0, 15);
  EXPECT_DOUBLE_EQ(device.FontSize(), 9);
  util::PrintCentered(device, "b", 10, 0, 0);
  EXPECT_DOUBLE_EQ(device.FontSize(), 9);

  ASSERT_EQ(device.page().texts.size(), 2u);
  const auto& a = device.page().texts[0];
  const auto& b = device.page().texts[1];
  EXPECT_NEAR(a.x, 5 - 1.5, 1e-9);  // 3 mm wide at 15 points
  EXPECT_DOUBLE_EQ(a.fontSize, 15);
  EXPECT_TRUE(a.bold);
  EXPECT_NEAR(b.x, 5 - 0.9, 1e-9);  // 1.8 mm wide at 9 points
  EXPECT_DOUBLE_EQ(b.fontSize, 9);
}

TEST(PrintRightAligned, EndsTheTextAtTheBoxsRightEdge) {
  RecordingPrintDevice device;
  device.SetFontSize(12);
  util::PrintRightAligned(device, "باراسيتامول", 30, 165, 8);  // 11 characters: 26.4 mm

  ASSERT_EQ(device.page().texts.size(), 1u);
  EXPECT_NEAR(device.page().texts[0].x, 165 + 30 - 26.4, 1e-9);
  EXPECT_DOUBLE_EQ(device.page().texts[0].y, 8);
  // The current x ends at the text's right edge, the box's right edge.
  EXPECT_NEAR(device.CurrentX(), 195, 1e-9);
}

TEST(DrawLines, HorizontalVerticalAndBoxSides) {
  RecordingPrintDevice device;
  device.SetDrawWidth(4);
  util::DrawHLine(device, 10, 276, 190);
  util::DrawVLine(device, 99, 260, 16);
  util::DrawBox(device, 10, 260, 190, 22, 1);
  util::DrawBox(device, 0, 0, 5, 5, 0);
  util::DrawBox(device, 1, 2, 3, 4, -1);

  EXPECT_EQ(device.page().lines, (std::vector<PrintedLine>{
                                     {10, 276, 200, 276, 4},
                                     {99, 260, 99, 276, 4},
                                     // The box: top, bottom, left, right.
                                     {10, 260, 200, 260, 4},
                                     {10, 282, 200, 282, 4},
                                     {10, 260, 10, 282, 4},
                                     {200, 260, 200, 282, 4},
                                     // Any enabled value but 0 draws.
                                     {1, 2, 4, 2, 4},
                                     {1, 6, 4, 6, 4},
                                     {1, 2, 1, 6, 4},
                                     {4, 2, 4, 6, 4},
                                 }));
}

TEST(PrintTableGrid, RulesColumnsThenRows) {
  RecordingPrintDevice device;
  util::PrintTableGrid(device, 3, 24, 2, 7, 5, "25;20;20;30;40");

  EXPECT_EQ(device.DrawWidth(), 5);
  EXPECT_EQ(device.page().lines, (std::vector<PrintedLine>{
                                     {3, 24, 3, 38, 5},
                                     {28, 24, 28, 38, 5},
                                     {48, 24, 48, 38, 5},
                                     {68, 24, 68, 38, 5},
                                     {98, 24, 98, 38, 5},
                                     {138, 24, 138, 38, 5},
                                     {3, 24, 138, 24, 5},
                                     {3, 31, 138, 31, 5},
                                     {3, 38, 138, 38, 5},
                                 }));
}

TEST(PrintTableGrid, ReadsBothFormsOfTheWidthList) {
  struct Case {
    const char* widths;
    WidthSeparators separators;
    std::vector<double> columnLines;  // x of each vertical line
  };
  const auto semi = WidthSeparators::Semicolon;
  const auto any = WidthSeparators::SemicolonCommaDash;
  const Case cases[] = {
      {"30;30;30;35;45", semi, {0, 30, 60, 90, 125, 170}},
      {"30;30;30;35;45", any, {0, 30, 60, 90, 125, 170}},
      // The first form reads "30,20" and "30-20" as one column of 30.
      {"30,20,10", semi, {0, 30}},
      {"30-20-10", semi, {0, 30}},
      {"30,20,10", any, {0, 30, 50, 60}},
      {"1250-1260-1180", any, {0, 1250, 2510, 3690}},
      {"20-15,15;50", any, {0, 20, 35, 50, 100}},
      // An empty piece is a column of 0 mm; an empty list has none.
      {"30;;30", semi, {0, 30, 30, 60}},
      {"25;", semi, {0, 25, 25}},
      {"", semi, {0}},
      {"12.5;7.5", semi, {0, 12.5, 20}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widths);
    RecordingPrintDevice device;
    util::PrintTableGrid(device, 0, 10, 3, 6, 2, c.widths, c.separators);

    const auto& lines = device.page().lines;
    ASSERT_EQ(lines.size(), c.columnLines.size() + 4);
    for (std::size_t i = 0; i < c.columnLines.size(); ++i) {
      EXPECT_EQ(lines[i], (PrintedLine{c.columnLines[i], 10, c.columnLines[i], 28, 2}));
    }
    for (int row = 0; row <= 3; ++row) {
      EXPECT_EQ(lines[c.columnLines.size() + static_cast<std::size_t>(row)],
                (PrintedLine{0, 10 + 6.0 * row, c.columnLines.back(), 10 + 6.0 * row, 2}));
    }
  }
}

TEST(RecordingPrintDevice, PrintMovesTheCurrentXToTheTextsRightEdge) {
  RecordingPrintDevice device;
  device.SetCurrentX(20);
  device.SetCurrentY(30);
  device.Print("abc");  // 6 mm
  device.Print("de");   // 4 mm, on the same line

  EXPECT_EQ(device.page().texts,
            (std::vector<PrintedText>{{"abc", 20, 30, 10, false}, {"de", 26, 30, 10, false}}));
  EXPECT_DOUBLE_EQ(device.CurrentX(), 30);
  EXPECT_DOUBLE_EQ(device.CurrentY(), 30);
}

TEST(RecordingPrintDevice, EachEndDocIsAJobAndEndsThePagesSettings) {
  RecordingPrintDevice device({"Laser", "PDF"});
  device.SetJobName("ticket");
  device.SetPaperSize(148, 210);
  device.SetOrientation(2);
  EXPECT_DOUBLE_EQ(device.ScaleHeight(), 148);
  device.SetScaleLeft(-3);
  device.SetFontSize(14);
  device.SetFontBold(true);
  device.SetDrawWidth(2);
  device.SetCurrentX(10);
  device.SetCurrentY(20);
  device.Print("x");
  device.Line(0, 5, 10, 5);
  ASSERT_TRUE(device.EndDoc());

  // Scale left -3: everything lies 3 mm further right on the paper.
  ASSERT_EQ(device.jobs().size(), 1u);
  const auto& job = device.jobs()[0];
  EXPECT_EQ(job.device, "Laser");
  EXPECT_EQ(job.jobName, "ticket");
  EXPECT_EQ(job.orientation, 2);
  EXPECT_EQ(job.texts, (std::vector<PrintedText>{{"x", 13, 20, 14, true}}));
  EXPECT_EQ(job.lines, (std::vector<PrintedLine>{{3, 5, 13, 5, 2}}));

  // Position, orientation and scale left belong to the page; font and pen stay.
  EXPECT_EQ(device.Orientation(), 1);
  EXPECT_DOUBLE_EQ(device.ScaleHeight(), 210);
  EXPECT_DOUBLE_EQ(device.ScaleLeft(), 0);
  EXPECT_DOUBLE_EQ(device.CurrentX(), 0);
  EXPECT_DOUBLE_EQ(device.CurrentY(), 0);
  EXPECT_DOUBLE_EQ(device.FontSize(), 14);
  EXPECT_TRUE(device.FontBold());
  EXPECT_EQ(device.DrawWidth(), 2);

  // A page with nothing drawn is no job; neither is a refused one.
  EXPECT_FALSE(device.EndDoc());
  device.Line(0, 0, 1, 1);
  device.SetFailing(true);
  EXPECT_FALSE(device.EndDoc());
  EXPECT_EQ(device.jobs().size(), 1u);
}

TEST(RecordingPrintDevice, SkipsStepsItCannotCarryOut) {
  RecordingPrintDevice device;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  device.SetFontSize(0);
  device.SetFontSize(nan);
  device.SetOrientation(3);
  device.SetDrawWidth(0);
  device.SetCurrentX(nan);
  device.Line(nan, 0, 1, 1);

  EXPECT_DOUBLE_EQ(device.FontSize(), 10);
  EXPECT_EQ(device.Orientation(), 1);
  EXPECT_EQ(device.DrawWidth(), 1);
  EXPECT_DOUBLE_EQ(device.CurrentX(), 0);
  EXPECT_TRUE(device.page().lines.empty());

  RecordingPrintDevice none(std::vector<std::string>{});
  none.Print("a");
  EXPECT_EQ(none.DeviceName(), "");
  EXPECT_FALSE(none.EndDoc());
}

TEST(RecordingPrintDevice, ChoosesAPrinterByItsExactTrimmedName) {
  struct Case {
    const char* name;
    bool found;
    const char* active;
  };
  const Case cases[] = {
      {"HP LaserJet", true, "HP LaserJet"},
      {"  HP LaserJet   ", true, "HP LaserJet"},
      {"hp laserjet", false, "PDF"},
      {"HP", false, "PDF"},
      {"", false, "PDF"},
      {"Office 2", true, "Office 2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingPrintDevice device({"PDF", "HP LaserJet", "Office 2"});
    EXPECT_EQ(device.SetActiveDevice(c.name), c.found);
    EXPECT_EQ(device.DeviceName(), c.active);
  }
}

}  // namespace
