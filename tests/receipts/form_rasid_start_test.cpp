// Opening balances, their screen and help, and the balance correction.

#include "receipts/form_rasid_start.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/form_msg.h"
#include "core/users.h"
#include "receipts/balance_correction.h"
#include "storage/data_files.h"
#include "tests/receipts/receipts_fixture.h"
#include "util/dates.h"

namespace {

using receipts::FormRasidStart;
using receipts_test::ReceiptsFixture;
using util::MakeDate;

constexpr std::size_t kDrugBytes = 143;

class OpeningBalanceTest : public ReceiptsFixture {
 protected:
  OpeningBalanceTest() {
    Drug(5).setDrugName("اموكسيسيلين 500");
    Drug(5).setOpeningBalance(30);
    Drug(5).setBalance(42);
    Drug(5).setExpiryDate(MakeDate(2026, 4, 15));
    Drug(9).setDrugName("باراسيتامول 500");
  }

  void TicketLine(std::int32_t ticket) { app.tickets()[static_cast<std::size_t>(ticket)].setDrugIndex(1, 9); }
  void ReceiptLine(std::int32_t receipt) { SetLine(receipt, 1, 9, 1, 0); }

  void LogIn(std::int16_t user) { app.settings().setCurrentUser(user); }

  std::int32_t StoredLong(std::int32_t drug, std::size_t offset) const {
    return At<std::int32_t>(ReadFile(storage::kDrugFile),
                            static_cast<std::size_t>(drug - 1) * kDrugBytes + offset);
  }
};

// ---------------------------------------------------------------------------
// The screen

TEST_F(OpeningBalanceTest, TheGridListsEveryDrugOnItsOwnRow) {
  FormRasidStart form(app);
  const util::Grid& g = form.xxx();
  EXPECT_EQ(g.Rows(), 1501);
  EXPECT_EQ(g.Cols(), 5);
  EXPECT_EQ(g.Row(0), (std::vector<std::string>{"", "الدواء", "رصيد افتتاحي", "الصلاحية", "رصيد حالي"}));
  const int widths[] = {1100, 3800, 1700, 1700, 1700};
  for (int col = 0; col < 5; ++col) {
    EXPECT_EQ(g.ColWidth(col), widths[col]);
    EXPECT_EQ(g.ColAlignment(col), util::Grid::kAlignCentre);
  }
  EXPECT_EQ(g.Row(5), (std::vector<std::string>{"5", "اموكسيسيلين 500", "30", "04-2026", "42"}));
  EXPECT_EQ(g.Row(9), (std::vector<std::string>{"9", "باراسيتامول 500", "0", "", "0"}));
  EXPECT_EQ(g.Row(6), (std::vector<std::string>(5, "")));

  // Today is 10-12-2025.
  EXPECT_EQ(form.ComboMList().size(), 13u);
  EXPECT_EQ(form.ComboMList().front(), " ");
  EXPECT_EQ(form.ComboMList().back(), "12");
  EXPECT_EQ(form.ComboYList(),
            (std::vector<std::string>{" ", "2025", "2026", "2027", "2028", "2029", "2030", "2031",
                                      "2032", "2033", "2034", "2035", "2036"}));
  EXPECT_TRUE(form.inputsEnabled());
}

TEST_F(OpeningBalanceTest, AnEmptyInstallationStoresOpeningBalanceBalanceAndExpiry) {
  FormRasidStart form(app);
  form.ClickRow(9);
  EXPECT_EQ(form.LLLDrugName(), "باراسيتامول 500");
  EXPECT_EQ(form.TextQ, "0");
  EXPECT_EQ(form.ComboM, " ");
  EXPECT_EQ(form.ComboY, " ");
  EXPECT_EQ(form.focus(), FormRasidStart::Focus::TextQ);
  EXPECT_EQ(app.currentDrugNo, 9);

  form.TextQ = "120";
  form.EnterInTextQ();
  EXPECT_EQ(form.focus(), FormRasidStart::Focus::ComboM);
  form.ComboM = "6";
  form.EnterInComboM();
  EXPECT_EQ(form.focus(), FormRasidStart::Focus::ComboY);
  form.ComboY = "2026";
  form.EnterInComboY();
  EXPECT_EQ(form.focus(), FormRasidStart::Focus::Ok);
  form.Ok();

  EXPECT_EQ(Drug(9).openingBalance(), 120);
  EXPECT_EQ(Drug(9).balance(), 120);
  EXPECT_EQ(Drug(9).expiryDate(), MakeDate(2026, 6, 1));
  EXPECT_EQ(form.xxx().Row(9), (std::vector<std::string>{"9", "باراسيتامول 500", "120", "06-2026", "120"}));
  EXPECT_EQ(StoredLong(9, 73), 120);  // opening balance
  EXPECT_EQ(StoredLong(9, 43), 120);  // balance
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningBalanceTest, AChosenDrugShowsItsStoredExpiryMonth) {
  Drug(5).setExpiryDate(MakeDate(2021, 2, 15));  // a year before the list
  FormRasidStart form(app);
  form.ClickRow(5);
  EXPECT_EQ(form.TextQ, "30");
  EXPECT_EQ(form.ComboM, "2");
  EXPECT_EQ(form.ComboY, "2021");
  EXPECT_EQ(form.ComboYList()[1], "2021");  // listed, so that it shows as stored

  // OK without a change keeps it.
  form.Ok();
  EXPECT_EQ(Drug(5).expiryDate(), MakeDate(2021, 2, 1));
}

TEST_F(OpeningBalanceTest, ABlankMonthOrYearStoresNoExpiryDate) {
  FormRasidStart form(app);
  for (auto [month, year] : {std::pair{" ", "2027"}, std::pair{"3", " "}, std::pair{" ", " "}}) {
    Drug(5).setExpiryDate(MakeDate(2026, 4, 15));
    form.ClickRow(5);
    form.ComboM = month;
    form.ComboY = year;
    form.Ok();
    EXPECT_EQ(Drug(5).expiryDate(), 0) << month << "/" << year;
    EXPECT_EQ(form.xxx().Text(5, 3), "");
  }
}

TEST_F(OpeningBalanceTest, TheQuantityIsRoundedAndNoDrugChosenStoresNothing) {
  FormRasidStart form(app);
  form.TextQ = "50";
  form.Ok();  // nothing chosen
  EXPECT_FALSE(Exists(storage::kDrugFile));

  form.ClickRow(0);  // the header
  form.ClickRow(6);  // a free row
  EXPECT_EQ(form.LLLDrugName(), "");
  EXPECT_EQ(app.currentDrugNo, 0);

  form.ClickRow(5);
  form.TextQ = "17.5 boxes";
  form.Ok();
  EXPECT_EQ(Drug(5).openingBalance(), 18);
  EXPECT_EQ(Drug(5).balance(), 18);
}

TEST_F(OpeningBalanceTest, OkKeepsTheGridWhereItWasScrolled) {
  FormRasidStart form(app);
  form.xxx().SetTopRow(400);
  form.ClickRow(5);
  form.TextQ = "7";
  form.Ok();
  EXPECT_EQ(form.xxx().TopRow(), 400);
  EXPECT_EQ(form.xxx().Text(5, 2), "7");
}

struct DocumentsCase {
  const char* name;
  bool ticket;
  std::int32_t number;
  bool inputsClosed;  // on opening, documents 1..1000
  bool okRefused;     // on OK, documents 1..200
};

class OpeningBalanceDocuments : public OpeningBalanceTest,
                                public ::testing::WithParamInterface<DocumentsCase> {};

TEST_P(OpeningBalanceDocuments, DocumentsCloseTheInputsAndRefuseOk) {
  const DocumentsCase c = GetParam();
  c.ticket ? TicketLine(c.number) : ReceiptLine(c.number);
  EXPECT_EQ(receipts::DocumentsHoldLines(app, 1000), c.inputsClosed);
  EXPECT_EQ(receipts::DocumentsHoldLines(app, 200), c.okRefused);

  FormRasidStart form(app);
  EXPECT_EQ(form.inputsEnabled(), !c.inputsClosed);

  core::Result result = receipts::StoreOpeningBalance(app, 5, 77, 0);
  EXPECT_EQ(result.refused(), c.okRefused);
  EXPECT_EQ(Drug(5).openingBalance(), c.okRefused ? 30 : 77);
  EXPECT_EQ(ui.MessageTexts(),
            c.okRefused ? std::vector<std::string>{std::string(receipts::kOpeningBalanceNeedsEmptyProgram)}
                        : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Cases, OpeningBalanceDocuments,
                         ::testing::Values(DocumentsCase{"Ticket150", true, 150, true, true},
                                           DocumentsCase{"Ticket600", true, 600, true, false},
                                           DocumentsCase{"Receipt200", false, 200, true, true},
                                           DocumentsCase{"Receipt1000", false, 1000, true, false},
                                           DocumentsCase{"Ticket1001", true, 1001, false, false},
                                           DocumentsCase{"Receipt1001", false, 1001, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OpeningBalanceTest, TechnicalSupportStoresWhileDocumentsExist) {
  TicketLine(150);
  ReceiptLine(3);
  LogIn(core::kTechnicalSupport);
  FormRasidStart form(app);
  EXPECT_TRUE(form.inputsEnabled());
  form.ClickRow(5);
  form.TextQ = "500";
  form.Ok();
  // The balance is the opening balance until the next recomputation counts
  // the documents.
  EXPECT_EQ(Drug(5).openingBalance(), 500);
  EXPECT_EQ(Drug(5).balance(), 500);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OpeningBalanceTest, ClosedInputsStoreNothing) {
  TicketLine(600);
  FormRasidStart form(app);
  ASSERT_FALSE(form.inputsEnabled());
  form.ClickRow(5);  // still browsed
  EXPECT_EQ(form.LLLDrugName(), "اموكسيسيلين 500");
  form.TextQ = "1";
  form.Ok();
  EXPECT_EQ(Drug(5).openingBalance(), 30);
}

TEST_F(OpeningBalanceTest, AFailedWriteKeepsTheDrugAsTheFileHoldsIt) {
  FormRasidStart form(app);
  BreakDataFolder();
  form.ClickRow(5);
  form.TextQ = "99";
  form.Ok();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_EQ(Drug(5).openingBalance(), 30);
  EXPECT_EQ(Drug(5).balance(), 42);
  EXPECT_EQ(form.xxx().Text(5, 2), "30");
}

TEST_F(OpeningBalanceTest, EntryPointsOpenTheScreenAndTheHelpWindow) {
  receipts::OpenOpeningBalance(app);
  std::string title;
  std::string body;
  ui.screens[std::string(core::FormMsg::kName)] = [&](util::ModalScreen& screen) {
    auto& window = static_cast<core::FormMsg&>(screen);
    title = window.title();
    body = window.body();
  };
  receipts::ShowOpeningBalanceHelp(app);
  EXPECT_EQ(ui.modalScreens, (std::vector<std::string>{"FormRasidStart", "FFFMSG"}));
  EXPECT_EQ(title, "شاشة الارصدة الافتتاحية");
  EXPECT_EQ(body,
            "دور هذه الشاشة هو اخبار البرنامج بارصدة الادوةي الموجودة الان فعليا\r\n"
            "ويجب ان يكون التاريخ هو نهاية اخر يوم في الشهر\r\n"
            "\r\n"
            "من قائمة ملف اختر امر الرصيد الافتتاحي لفتح الشاشة\r\n"
            "\r\n"
            "يظهر امامك جدول بالادوية المسجلة علي البرنامج قم باختيار الدواء بالنقر عليه مباشرة\r\n"
            "يظهر اسفل الجدول حقلين احدهما يطلب منك ادخال الكمية\r\n"
            "والاخر يطالبك بادخال تاريخ الصلاحية\r\n"
            "\r\n"
            "\r\n");
}

// ---------------------------------------------------------------------------
// Balance correction

TEST_F(OpeningBalanceTest, TheCorrectionRebuildsTheBalancesSaysSoAndEndsTheProgram) {
  // Opening 30, an open receipt of 50 and a saved ticket of 5: 75.
  SetLine(1, 1, 5, 50, MakeDate(2027, 1, 15));
  Receipt(1).setReceiptState(1);
  Receipt(1).setReceiptDate(now);
  auto& ticket = app.tickets()[1];
  ticket.setDrugIndex(1, 5);
  ticket.setQuantity(1, 5);
  ticket.setState(-1);

  receipts::RunBalanceCorrection(app);
  EXPECT_EQ(Drug(5).balance(), 75);
  EXPECT_EQ(StoredLong(5, 43), 75);
  EXPECT_EQ(Receipt(1).receiptState(), -1);
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(receipts::kBalancesCorrected)});
  EXPECT_TRUE(app.ExitRequested());
}

TEST_F(OpeningBalanceTest, WithinTheHourTheCorrectionChangesNothingButStillSaysSoAndEnds) {
  app.lastBalanceRecompute = now - 0.5 / 24;
  receipts::RunBalanceCorrection(app);
  EXPECT_EQ(Drug(5).balance(), 42);
  EXPECT_EQ(StoredLong(5, 43), 42);  // the drug file is written all the same
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{std::string(receipts::kBalancesCorrected)});
  EXPECT_TRUE(app.ExitRequested());
}

TEST_F(OpeningBalanceTest, AFailedCorrectionShowsTheFileErrorInsteadOfSuccess) {
  BreakDataFolder();
  receipts::RunBalanceCorrection(app);
  ASSERT_FALSE(ui.messages.empty());
  for (const auto& m : ui.messages) {
    EXPECT_NE(m.text, receipts::kBalancesCorrected);
    EXPECT_EQ(m.icon, util::MessageIcon::Error);
  }
  EXPECT_TRUE(app.ExitRequested());
}

}  // namespace
