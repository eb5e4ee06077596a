#include "dispensing/ticket_print.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/form_print.h"
#include "storage/data_files.h"
#include "tests/dispensing/dispensing_fixture.h"
#include "util/recording_print_device.h"

namespace dispensing_test {
namespace {

using dispensing::PrintedNumber;

// A text expected centred in the box left..right with its top at y.
struct Placed {
  std::string text;
  double left;
  double right;
  double y;
  double size = 12;
};

std::size_t CodePoints(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s) n += (c & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

double Width(const std::string& text, double size) {
  return util::RecordingPrintDevice::kMmPerPointPerCharacter * size *
         static_cast<double>(CodePoints(text));
}

const util::PrintedText* Find(const util::PrintedPage& page, const std::string& text, double y) {
  for (const auto& t : page.texts) {
    if (t.text == text && std::abs(t.y - y) < 1e-6) return &t;
  }
  return nullptr;
}

bool HasText(const util::PrintedPage& page, const std::string& text) {
  for (const auto& t : page.texts) {
    if (t.text == text) return true;
  }
  return false;
}

// Checks each text is centred in its box shifted by dx and dy.
void ExpectCentred(const util::PrintedPage& page, const std::vector<Placed>& cases, double dx,
                   double dy = 0) {
  for (const Placed& c : cases) {
    SCOPED_TRACE(c.text + " at y " + std::to_string(c.y + dy));
    const double x = dx + c.left + (c.right - c.left - Width(c.text, c.size)) / 2;
    // The same text may stand twice on a row (a quantity and a fee).
    const util::PrintedText* found = nullptr;
    for (const auto& t : page.texts) {
      if (t.text == c.text && std::abs(t.y - (c.y + dy)) < 1e-6 && std::abs(t.x - x) < 1e-6) {
        found = &t;
      }
    }
    ASSERT_NE(found, nullptr) << "expected x " << x;
    EXPECT_DOUBLE_EQ(found->fontSize, c.size);
  }
}

bool HasLine(const util::PrintedPage& page, const util::PrintedLine& line) {
  for (const auto& l : page.lines) {
    if (std::abs(l.x1 - line.x1) < 1e-6 && std::abs(l.y1 - line.y1) < 1e-6 &&
        std::abs(l.x2 - line.x2) < 1e-6 && std::abs(l.y2 - line.y2) < 1e-6 &&
        l.width == line.width) {
      return true;
    }
  }
  return false;
}

class TicketPrintTest : public DispensingFixture {
 protected:
  static constexpr std::int32_t kTicket = 12;
  static constexpr std::int32_t kPatient = 5;
  static inline const std::string kHospital = "مستشفي المنصورة";
  static inline const std::string kDepartment = "الصيدلية";
  static inline const std::string kName = "احمد علي";

  TicketPrintTest() {
    app.settings().setHospitalName(kHospital);
    app.settings().setDepartmentName(kDepartment);
    // Drug 1: tender price 10, purchase fee 10 %; drug 2: price 4.
    PutDrug(1, "Panadol", 100, 10, 10);
    PutDrug(2, "Augmentin", 100, 4, 0);
    auto& p = app.patients()[kPatient];
    EXPECT_TRUE(p.setName(kName));
    p.setDecisionDays(30);
    p.setDecisionAmount(500);
    auto& t = PutTicket(kTicket, kToday, {{1, 3}, {2, 5}});
    t.setPatientIndex(kPatient);
    t.setDecisionNumber(77);
  }

  util::RecordingPrintDevice device;

  const util::PrintedPage& OnlyPage() const {
    EXPECT_EQ(device.jobs().size(), 1u);
    return device.jobs().back();
  }

  // The last layout code as written in the settings file.
  std::int16_t StoredLayout() const {
    return At<std::int16_t>(ReadFile(storage::kSettingsFile), 108);
  }
};

// Line 1: 3 x 10 with 10 % fee; line 2: 5 x 4. Tender 50, patient 53.5.
TEST_F(TicketPrintTest, A5TicketPrintsEveryTextInItsBoxShiftedByTheMargin) {
  app.settings().setTicketMargin(5);
  ASSERT_TRUE(dispensing::PrintA5Ticket(app, device, kTicket));
  const auto& page = OnlyPage();
  ExpectCentred(page,
                {
                    {kHospital, 80, 140, 10, 13},
                    {kDepartment, 80, 140, 18, 10},
                    {"فاتورة صرف علاج", 40, 90, 17},
                    {"12", 0, 25, 18},
                    {"تاريخ الصرف", 0, 25, 25},
                    {"2025-12-09", 0, 25, 32},
                    {" مدة القرار", 25, 45, 25},
                    {"30", 25, 45, 32},
                    {" مبلغ القرار", 45, 65, 25},
                    {"500", 45, 65, 32},
                    {" رقم القرار", 65, 95, 25},
                    {"77", 65, 95, 32},
                    {"الاسم", 95, 135, 25},
                    {kName, 95, 135, 32},
                    {"ج.خارجي", 0, 20, 43},
                    {"ج.مناقصة", 20, 40, 43},
                    {"خارجي", 40, 55, 43},
                    {"مناقصة", 55, 70, 43},
                    {"عدد", 70, 85, 43},
                    {"دواء", 85, 135, 43},
                    {"Panadol", 85, 135, 53},
                    {"3", 70, 85, 53},
                    {"10", 55, 70, 53},
                    {"10.7", 40, 55, 53},
                    {"30", 20, 40, 53},
                    {"32.1", 0, 20, 53},
                    {"Augmentin", 85, 135, 63},
                    {"5", 70, 85, 63},
                    {"4", 55, 70, 63},
                    {"4.28", 40, 55, 63},
                    {"20", 20, 40, 63},
                    {"21.4", 0, 20, 63},
                    {"الاجمالي بسعر المناقصة", 90, 135, 153},
                    {"50", 90, 135, 160},
                    {"الاجمالي للخارجي", 45, 90, 153},
                    {"53.5", 45, 90, 160},
                    {"الفرق", 0, 45, 153},
                    {"3.5", 0, 45, 160},
                    {"المستلم ", 100, 120, 168},
                    {"الصيدلي المختص", 50, 80, 168},
                    {"يعتمد", 10, 40, 168},
                },
                5);
  // The ruling moves with the margin: the lines table's left side and the
  // ticket number's box.
  EXPECT_TRUE(HasLine(page, {5, 41, 5, 151, 6}));
  EXPECT_TRUE(HasLine(page, {5, 41, 140, 41, 6}));
  EXPECT_TRUE(HasLine(page, {5, 17, 30, 17, 5}));
  EXPECT_TRUE(HasLine(page, {5, 152, 140, 152, 5}));
}

TEST_F(TicketPrintTest, EachLayoutStoresItsCodeInTheSettingsFile) {
  for (const std::int16_t code : {4001, 4002, 4003, 4005, 4006}) {
    SCOPED_TRACE(code);
    app.settings().setTicketLayout(0);
    ui.inputs.push_back("1");
    ASSERT_TRUE(dispensing::PrintTicketLayout(app, device, code, kTicket));
    EXPECT_EQ(app.settings().ticketLayout(), code);
    EXPECT_EQ(StoredLayout(), code);
  }
  EXPECT_EQ(device.jobs().size(), 5u);
  EXPECT_FALSE(dispensing::PrintTicketLayout(app, device, 4004, kTicket));
  EXPECT_EQ(device.jobs().size(), 5u);
}

TEST_F(TicketPrintTest, A5LayoutsPrintTenLinesAndTheThirtyItemSheetAllOfThem) {
  auto& t = app.tickets()[kTicket];
  for (int line = 3; line <= 12; ++line) {
    PutDrug(static_cast<std::size_t>(line), "Drug" + std::to_string(line), 10, 1);
    t.setDrugIndex(line, static_cast<std::int16_t>(line));
    t.setQuantity(line, 1);
  }
  ASSERT_TRUE(dispensing::PrintA5Ticket(app, device, kTicket));
  ASSERT_TRUE(dispensing::PrintA5PurchaseFeeTicket(app, device, kTicket));
  for (const auto& page : device.jobs()) {
    EXPECT_TRUE(HasText(page, "Drug10"));
    EXPECT_FALSE(HasText(page, "Drug11"));
    EXPECT_FALSE(HasText(page, "Drug12"));
  }
  dispensing::PrintThirtyItemSheet(app, device, kTicket);
  const auto& sheet = device.jobs().back();
  ExpectCentred(sheet, {{"Drug11", 95, 195, 49 + 6 * 10}, {"Drug12", 95, 195, 49 + 6 * 11}}, 0);
}

TEST_F(TicketPrintTest, ATicketWithoutRecipientPrintsNoNameNorDecisionValues) {
  for (const double recipient : {0.0, 30000.0}) {
    SCOPED_TRACE(recipient);
    app.tickets()[kTicket].setPatientIndex(recipient);
    app.patients()[30000].setName("مستشفي اخر");
    ASSERT_TRUE(dispensing::PrintA5Ticket(app, device, kTicket));
    const auto& page = device.jobs().back();
    EXPECT_FALSE(HasText(page, kName));
    EXPECT_FALSE(HasText(page, "مستشفي اخر"));
    EXPECT_EQ(Find(page, "500", 32), nullptr);
    EXPECT_NE(Find(page, "77", 32), nullptr);
  }
}

TEST_F(TicketPrintTest, EmptyLinesLeaveTheirCellsBlank) {
  ASSERT_TRUE(dispensing::PrintA5Ticket(app, device, kTicket));
  for (const auto& t : OnlyPage().texts) {
    EXPECT_NE(t.text, "0");
    EXPECT_FALSE(t.y > 63 && t.y < 153) << t.text << " at " << t.y;
  }
}

TEST_F(TicketPrintTest, PurchaseFeeTicketShowsFeeAndSurchargeColumns) {
  app.settings().setTicketMargin(2);
  ASSERT_TRUE(dispensing::PrintA5PurchaseFeeTicket(app, device, kTicket));
  const auto& page = OnlyPage();
  // Line 1: tender 30, 7 % 2.1, fee 3, external 32.1 + 3. Line 2: 20, 1.4,
  // no fee. d = 3 + 3.5 = 6.5.
  ExpectCentred(page,
                {
                    {"ج.خارجي", 0, 20, 43},   {"رسم شرا", 20, 35, 43},  {"7%", 35, 50, 43},
                    {"ج.مناقصة", 50, 65, 43}, {"مناقصة", 65, 80, 43},   {"عدد", 80, 95, 43},
                    {"دواء", 95, 135, 43},    {"Panadol", 95, 135, 53}, {"3", 80, 95, 53},
                    {"10", 65, 80, 53},       {"30", 50, 65, 53},       {"2.1", 35, 50, 53},
                    {"3", 20, 35, 53},        {"35.1", 0, 20, 53},      {"20", 50, 65, 63},
                    {"1.4", 35, 50, 63},      {"21.4", 0, 20, 63},      {"50", 90, 135, 160},
                    {"56.5", 45, 90, 160},    {"6.5", 0, 45, 160},      {"المستلم ", 100, 120, 168},
                },
                2);
  EXPECT_TRUE(HasLine(page, {97, 41, 97, 151, 6}));
  EXPECT_TRUE(HasLine(page, {2, 41, 137, 41, 6}));
  EXPECT_EQ(StoredLayout(), dispensing::kLayoutA5PurchaseFee);
}

TEST_F(TicketPrintTest, ThirtyItemSheetIsBoldWideAndLeavesTheLayoutCode) {
  app.settings().setTicketLayout(4002);
  app.settings().setTicketMargin(1);
  dispensing::PrintThirtyItemSheet(app, device, kTicket);
  const auto& page = OnlyPage();
  ExpectCentred(page,
                {
                    {"الاسم", 95, 195, 25},
                    {kName, 95, 195, 32},
                    {"دواء", 95, 195, 43},
                    {"Panadol", 95, 195, 49},
                    {"35.1", 0, 20, 49},
                    {"Augmentin", 95, 195, 55},
                    {"الاجمالي بسعر المناقصة", 130, 189, 235},
                    {"50", 130, 189, 242},
                    {"الاجمالي للخارجي", 58, 123, 235},
                    {"56.5", 65, 123, 242},
                    {"الفرق", 0, 65, 235},
                    {"6.5", 0, 65, 242},
                    {"المستلم ", 150, 200, 253},
                    {"الصيدلي المختص", 70, 120, 253},
                    {"يعتمد", 10, 60, 253},
                },
                1);
  for (const auto& t : page.texts) EXPECT_TRUE(t.bold) << t.text;
  EXPECT_TRUE(HasLine(page, {1, 43, 1, 43 + 31 * 6, 6}));
  EXPECT_TRUE(HasLine(page, {1, 234, 196, 234, 5}));
  EXPECT_EQ(app.settings().ticketLayout(), 4002);
  EXPECT_TRUE(ReadFile(storage::kSettingsFile).empty());
}

TEST_F(TicketPrintTest, FormOneDrawsOriginalAndCopyAtTheOffsets) {
  app.settings().setPrintLeft(3);
  app.settings().setPrintTop(7);
  app.settings().setTicketMargin(20);  // not used by the A4 forms
  ASSERT_TRUE(dispensing::PrintOriginalAndCopy(app, device, kTicket, 1));
  const auto& page = OnlyPage();
  const std::vector<Placed> copy = {
      {kHospital, 80, 180, 0, 13},
      {kDepartment, 80, 180, 8, 10},
      {"تذكرة صرف علاج", 60, 100, 8},
      {"تاريخ الصرف", 0, 30, 15},
      {"2025-12-09", 0, 30, 22},
      {" مدة القرار باليوم", 30, 60, 15},
      {"30", 30, 60, 22},
      {" مبلغ القرار", 60, 90, 15},
      {"500", 60, 90, 22},
      {" رقم القرار", 90, 125, 15},
      {"77", 90, 125, 22},
      {"الاسم", 125, 170, 15},
      {kName, 125, 170, 22},
      {"ج.خارجي", 0, 20, 32},
      {"ج.مناقصة", 20, 40, 32},
      {"خارجي", 40, 60, 32},
      {"مناقصة", 60, 80, 32},
      {"عدد", 80, 100, 32},
      {"دواء", 100, 170, 32},
      {"Panadol", 100, 170, 39},
      {"3", 80, 100, 39},
      {"10", 60, 80, 39},
      {"10.7", 40, 60, 39},
      {"30", 20, 40, 39},
      {"32.1", 0, 20, 39},
      {"Augmentin", 100, 170, 46},
      {"الاجمالي بسعر المناقصة", 117, 170, 109},
      {"50", 85, 117, 109},
      {"الاجمالي للخارجي", 32, 85, 109},
      {"53.5", 0, 32, 109},
      {"توقيع الصيدلي المختص", 120, 150, 115},
      {"رئيس القسم", 70, 100, 115},
      {"يعتمد", 10, 40, 115},
  };
  for (const double top : {7.0, 152.0}) {
    SCOPED_TRACE(top);
    ExpectCentred(page, copy, 3, top);
    EXPECT_TRUE(HasLine(page, {3, top + 31, 3, top + 31 + 77, 6}));
    EXPECT_TRUE(HasLine(page, {3, top + 109, 173, top + 109, 5}));
  }
  EXPECT_FALSE(HasText(page, "12"));
  EXPECT_FALSE(page.texts.front().bold);
  EXPECT_EQ(StoredLayout(), dispensing::kLayoutForm1);
}

TEST_F(TicketPrintTest, FormTwoIsBoldWithTheTicketNumberAndTheDifference) {
  app.settings().setPrintLeft(2);
  app.settings().setPrintTop(4);
  ASSERT_TRUE(dispensing::PrintOriginalAndCopy(app, device, kTicket, 2));
  const auto& page = OnlyPage();
  for (const double top : {4.0, 149.0}) {
    SCOPED_TRACE(top);
    ExpectCentred(page,
                  {
                      {"فاتورة صرف علاج", 60, 100, 7, 15},
                      {"12", 0, 30, 8},
                      {"اجمالي المناقصة", 136, 171, 109},
                      {"50", 114, 136, 109},
                      {"اجمالي الخارجي", 79, 114, 109},
                      {"53.5", 57, 79, 109},
                      {"الفارق", 22, 57, 109},
                      {"3.5", 0, 22, 109},
                      {"المستلم", 120, 150, 115},
                      {"الصيدلي المختص", 70, 100, 115},
                      {"يعتمد", 10, 40, 115},
                  },
                  2, top);
    EXPECT_TRUE(HasLine(page, {2, top + 7, 32, top + 7, 5}));
    EXPECT_TRUE(HasLine(page, {2, top + 109, 172, top + 109, 5}));
  }
  EXPECT_FALSE(HasText(page, "تذكرة صرف علاج"));
  for (const auto& t : page.texts) EXPECT_TRUE(t.bold) << t.text;
  EXPECT_EQ(StoredLayout(), dispensing::kLayoutForm2);
}

TEST_F(TicketPrintTest, TenTicketSheetAsksForTheFirstAndDrawsTenBands) {
  app.settings().setTicketMargin(9);
  app.settings().setPrintLeft(9);
  // Ticket 12 is band 2 of a sheet from 10; ticket 19 (band 9) has line 7.
  auto& last = PutTicket(19, kToday, {{2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {2, 1}, {1, 2}});
  last.setPatientIndex(kPatient);
  ui.inputs.push_back("10");
  ASSERT_TRUE(dispensing::PrintTenTicketSheet(app, device));
  EXPECT_EQ(ui.prompts, std::vector<std::string>{std::string(dispensing::kTenTicketsQuestion)});
  const auto& page = OnlyPage();
  const double band2 = 28 * 2 + 5;
  const double size = page.texts.front().fontSize;
  ExpectCentred(page,
                {
                    {"3", 152, 165, band2 + 3, size},
                    {"10", 139, 152, band2 + 3, size},
                    {"10.7", 126, 139, band2 + 3, size},
                    {"30", 113, 126, band2 + 3, size},
                    {"32.1", 100, 113, band2 + 3, size},
                    {"21.4", 100, 113, band2 + 6, size},
                    {kHospital, 180, 200, band2 + 20, size},
                    {"الاسم", 170, 180, band2 + 20, size},
                    {kName, 150, 170, band2 + 20, size},
                    {"القرار", 140, 145, band2 + 20, size},
                    {"77", 120, 140, band2 + 20, size},
                    {"مناقصة", 110, 120, band2 + 20, size},
                    {"50", 95, 110, band2 + 20, size},
                    {"للمستفيد", 85, 95, band2 + 20, size},
                    {"53.5", 70, 85, band2 + 20, size},
                    {"تاريخ", 60, 70, band2 + 20, size},
                    {"2025-12-09", 45, 60, band2 + 20, size},
                    // Band 9, line 7 in the left half, row 2.
                    {"2", 58, 70, 257 + 6, size},
                    {"20", 22, 34, 257 + 6, size},
                    {"21.4", 10, 22, 257 + 6, size},
                },
                0);
  // Drug names are right-aligned.
  const util::PrintedText* name = Find(page, "Panadol", band2 + 3);
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->x + Width("Panadol", size), 195, 1e-6);
  const util::PrintedText* left = Find(page, "Panadol", 257 + 6);
  ASSERT_NE(left, nullptr);
  EXPECT_NEAR(left->x + Width("Panadol", size), 98, 1e-6);
  EXPECT_FALSE(HasText(page, "مستشفي طرمين العام"));
  // The frame of band 9 starts 257 mm from the top.
  for (const util::PrintedLine& l : std::vector<util::PrintedLine>{
           {10, 260, 200, 260, 4},
           {10, 282, 200, 282, 4},
           {10, 260, 10, 282, 4},
           {200, 260, 200, 282, 4},
           {10, 276, 200, 276, 4},
           {99, 260, 99, 276, 4},
       }) {
    EXPECT_TRUE(HasLine(page, l)) << l.x1 << "," << l.y1 << " " << l.x2 << "," << l.y2;
  }
  EXPECT_EQ(device.DrawWidth(), 1);
  EXPECT_EQ(StoredLayout(), dispensing::kLayoutTenTickets);
}

TEST_F(TicketPrintTest, TenTicketSheetWithAnEmptyAnswerStartsAtZero) {
  for (const std::optional<std::string>& answer :
       std::vector<std::optional<std::string>>{std::nullopt, std::string{}, std::string{"x"}}) {
    ui.inputs.push_back(answer);
    ASSERT_TRUE(dispensing::PrintTenTicketSheet(app, device));
    const auto& page = device.jobs().back();
    // Ticket 12 lies outside 0..9: nothing of it is printed.
    EXPECT_FALSE(HasText(page, "Panadol"));
    EXPECT_EQ(page.jobName, "tickets 0");
  }
}

TEST_F(TicketPrintTest, ReprintNeedsAFirstPrintout) {
  app.settings().setTicketLayout(4000);
  EXPECT_FALSE(dispensing::ReprintTicket(app, device, kTicket));
  EXPECT_EQ(ui.MessageTexts(),
            std::vector<std::string>{std::string(dispensing::kPrintFromMenuFirst)});
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_TRUE(device.jobs().empty());
}

TEST_F(TicketPrintTest, ReprintRepeatsTheLastLayoutAfterThePrinterChoice) {
  ASSERT_TRUE(dispensing::PrintOriginalAndCopy(app, device, kTicket, 1));
  PutTicket(13, kToday, {{2, 9}});
  struct Case {
    std::string_view button;
    bool printed;
  };
  for (const Case& c : {Case{"cancel", false}, Case{"ok", true}}) {
    SCOPED_TRACE(std::string(c.button));
    const std::size_t before = device.jobs().size();
    ui.screens[std::string(core::FFFPrint::kName)] = [&](util::ModalScreen& s) {
      auto& dialog = dynamic_cast<core::FFFPrint&>(s);
      if (c.button == "ok") {
        (void)dialog.Ok();
      } else {
        dialog.Cancel();
      }
    };
    EXPECT_EQ(dispensing::ReprintTicket(app, device, 13), c.printed);
    EXPECT_EQ(device.jobs().size(), before + (c.printed ? 1 : 0));
  }
  const auto& page = device.jobs().back();
  EXPECT_TRUE(HasText(page, "تذكرة صرف علاج"));
  EXPECT_TRUE(HasText(page, "Augmentin"));
  EXPECT_FALSE(HasText(page, "Panadol"));
  EXPECT_EQ(StoredLayout(), dispensing::kLayoutForm1);
}

TEST(PrintedNumberTest, ShortestDecimalAndBlankZero) {
  struct Case {
    double value;
    std::string text;
  };
  for (const Case& c : std::vector<Case>{{0, ""},
                                         {3, "3"},
                                         {32.1, "32.1"},
                                         {-3.5, "-3.5"},
                                         {1234567, "1234567"},
                                         {0.07, "0.07"}}) {
    EXPECT_EQ(PrintedNumber(c.value), c.text) << c.value;
  }
}

TEST(NZTest, TrimsAndBlanksAZero) {
  EXPECT_EQ(dispensing::NZ("  0 "), "");
  EXPECT_EQ(dispensing::NZ("0"), "");
  EXPECT_EQ(dispensing::NZ(" 10 "), "10");
  EXPECT_EQ(dispensing::NZ("0.5"), "0.5");
  EXPECT_EQ(dispensing::NZ("   "), "");
}

}  // namespace
}  // namespace dispensing_test
