// The receipt screen without a window: every control as data, every action
// as a call, the messages and the dialogs through the scripted interaction.

#include "receipts/form_inn.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/form_day.h"
#include "dispensing/ticket_table.h"
#include "receipts/form_mrd.h"
#include "receipts/receipt_table.h"
#include "storage/data_files.h"
#include "tests/receipts/receipts_fixture.h"
#include "util/dates.h"

namespace {

using receipts::FormInn;
using receipts_test::ReceiptsFixture;
using util::Answer;
using util::MakeDate;

constexpr std::size_t kReceiptBytes = 544;
constexpr std::int32_t kAmoxicillin = 5;
constexpr std::int32_t kParacetamol = 6;
constexpr std::int32_t kDiclofenac = 7;

class FormInnTest : public ReceiptsFixture {
 protected:
  FormInnTest() {
    AddDrug(kAmoxicillin, "اموكسيسيلين 500", 10);
    AddDrug(kParacetamol, "باراسيتامول 500", 3);
    AddDrug(kDiclofenac, "ديكلوفيناك 50", 0);
    app.suppliers()[2].setName("شركة النيل للادوية");
  }

  void AddDrug(std::int32_t n, const std::string& name, std::int32_t balance) {
    Drug(n).setDrugName(name);
    Drug(n).setBalance(balance);
  }

  // Types a line into the entries and presses Enter in the expiry box.
  static void TypeLine(FormInn& form, const std::string& drug, const std::string& quantity,
                       const std::string& expiry = "06-2027") {
    form.Combo1 = drug;
    form.Text2 = quantity;
    form.ComboExpire = expiry;
    form.AddLine();
  }

  // An open order of the given lines, dated today, written by the fixture's user.
  void MakeOpenOrder(std::int32_t r, const std::vector<std::int32_t>& drugs) {
    int k = 0;
    for (std::int32_t d : drugs) {
      ++k;
      SetLine(r, k, d, 10 * k, MakeDate(2027, 6, 15));
    }
    Receipt(r).setReceiptDate(now);
    Receipt(r).setReceiptState(1);
    Receipt(r).setReceiptUser(kUser);
  }

  std::int32_t StoredLong(std::int32_t receipt, std::size_t offset) const {
    return At<std::int32_t>(ReadFile(storage::kReceiptFile),
                            static_cast<std::size_t>(receipt - 1) * kReceiptBytes + offset);
  }
  std::int32_t StoredLineDrug(std::int32_t receipt, int line) const {
    return StoredLong(receipt, 4 * static_cast<std::size_t>(line));
  }

  std::vector<std::string> Messages() const { return ui.MessageTexts(); }
};

// ---------------------------------------------------------------------------
// Opening

TEST_F(FormInnTest, ANewInstallationOpensOnOrderOneAndNextDoesNothing) {
  FormInn form(app);
  EXPECT_EQ(form.shown(), 1);
  EXPECT_EQ(form.LLL(), "1");
  EXPECT_EQ(form.LLLDate(), "");
  EXPECT_EQ(form.Command7(), "Send");
  EXPECT_TRUE(form.entriesEnabled());
  EXPECT_EQ(form.entryColour(), util::Rgb(255, 255, 255));
  form.Next();
  EXPECT_EQ(form.shown(), 1);
  form.Previous();
  EXPECT_EQ(form.shown(), 1);

  // The shown number is stored as the last document.
  EXPECT_EQ(At<std::int32_t>(ReadFile(storage::kSettingsFile), 0), 1);
}

TEST_F(FormInnTest, OpensOnTheLastUsedOrderAndStoresItsNumber) {
  MakeOpenOrder(1, {kAmoxicillin});
  MakeOpenOrder(2, {kParacetamol, kDiclofenac});
  FormInn form(app);
  EXPECT_EQ(form.shown(), 2);
  EXPECT_EQ(app.settings().lastDocumentNo(), 2);
  EXPECT_EQ(At<std::int32_t>(ReadFile(storage::kSettingsFile), 0), 2);

  form.Previous();
  EXPECT_EQ(form.shown(), 1);
  form.Previous();
  EXPECT_EQ(form.shown(), 1);
  form.Next();
  form.Next();
  EXPECT_EQ(form.shown(), 2);  // no further than the last used order
}

TEST_F(FormInnTest, TheGridHasThirtyCentredLinesAndTheListsAreFilled) {
  FormInn form(app);
  const util::Grid& g = form.xxx();
  EXPECT_EQ(g.Rows(), 31);
  EXPECT_EQ(g.Cols(), 4);
  EXPECT_EQ(g.Row(0), (std::vector<std::string>{"الصلاحية", "الكمية", "الدواء", ""}));
  const int widths[] = {2000, 2000, 4600, 1420};
  for (int col = 0; col < 4; ++col) {
    EXPECT_EQ(g.ColWidth(col), widths[col]);
    EXPECT_EQ(g.ColAlignment(col), util::Grid::kAlignCentre);
  }

  // The names of the catalogue, sorted.
  EXPECT_EQ(form.Combo1List(),
            (std::vector<std::string>{"اموكسيسيلين 500", "باراسيتامول 500", "ديكلوفيناك 50"}));

  // Today is 10-12-2025: 60 months from 59 ahead down to this one, starting
  // 24 months ahead.
  const auto& months = form.ComboExpireList();
  ASSERT_EQ(months.size(), 60u);
  EXPECT_EQ(months.front(), "11-2030");
  EXPECT_EQ(months[35], "12-2027");
  EXPECT_EQ(months.back(), "12-2025");
  EXPECT_EQ(form.ComboExpire, "12-2027");
}

TEST_F(FormInnTest, ShowsTheLinesDateUserSupplierAndState) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol});
  SetLine(1, 3, kDiclofenac, -2, 0);  // a return keeps no expiry date
  Receipt(1).setReceiptDate(util::MakeDateTime(2025, 12, 9, 8, 5, 30));
  Receipt(1).setSupplier(2);
  Receipt(1).setReceiptUser(7);
  Receipt(1).setReceiptState(-1);

  FormInn form(app);
  const util::Grid& g = form.xxx();
  EXPECT_EQ(g.Row(1), (std::vector<std::string>{"06-2027", "10", "اموكسيسيلين 500", "5"}));
  EXPECT_EQ(g.Row(2), (std::vector<std::string>{"06-2027", "20", "باراسيتامول 500", "6"}));
  EXPECT_EQ(g.Row(3), (std::vector<std::string>{"", "-2", "ديكلوفيناك 50", "7"}));
  EXPECT_EQ(g.Row(4), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(form.LLLDate(), "2025-12-09   08:05:30");
  EXPECT_EQ(form.CCCDay(), util::DayName(MakeDate(2025, 12, 9)));
  EXPECT_EQ(form.lllUserId(), "7");
  EXPECT_EQ(form.LLLMRD(), "شركة النيل للادوية");
  EXPECT_EQ(form.Command7(), "Back");
  EXPECT_FALSE(form.entriesEnabled());
  EXPECT_EQ(form.entryColour(), util::Rgb(100, 200, 120));
}

// ---------------------------------------------------------------------------
// The keyboard flow

TEST_F(FormInnTest, AnOrderIsEnteredWithTheKeyboard) {
  FormInn form(app);
  form.SetText1("5");
  EXPECT_EQ(form.Combo1, "اموكسيسيلين 500");
  form.EnterInText1();
  EXPECT_EQ(form.focus(), FormInn::Focus::Text2);
  form.Text2 = "40";
  form.EnterInText2();
  EXPECT_EQ(form.focus(), FormInn::Focus::ComboExpire);
  form.ComboExpire = "03-2028";
  form.EnterInComboExpire();

  EXPECT_EQ(form.xxx().Row(1), (std::vector<std::string>{"03-2028", "40", "اموكسيسيلين 500", "5"}));
  EXPECT_EQ(form.Text1, "");
  EXPECT_EQ(form.Combo1, "");
  EXPECT_EQ(form.Text2, "");
  EXPECT_EQ(form.focus(), FormInn::Focus::Text1);

  // The name box leads to the quantity too.
  form.Combo1 = "باراسيتامول 500";
  form.EnterInCombo1();
  EXPECT_EQ(form.focus(), FormInn::Focus::Text2);
}

TEST_F(FormInnTest, OnlyNumbersOfTheCatalogueFillTheNameBox) {
  FormInn form(app);
  form.Combo1 = "typed";
  for (const char* text : {"0", "1501", "abc", "", "-5"}) {
    form.SetText1(text);
    EXPECT_EQ(form.Combo1, "typed") << text;
  }
  form.SetText1("6 tablets");
  EXPECT_EQ(form.Combo1, "باراسيتامول 500");
  form.SetText1("1500");
  EXPECT_EQ(form.Combo1, "");  // a free drug number has no name
}

TEST_F(FormInnTest, EnterOnPlusInTheNumberBoxStartsANewOrder) {
  MakeOpenOrder(1, {kAmoxicillin});
  FormInn form(app);
  form.SetText1("+");
  form.EnterInText1();
  EXPECT_EQ(form.shown(), 2);
  EXPECT_EQ(Receipt(1).receiptState(), -1);  // the open order was sent first
  EXPECT_EQ(form.Text1, "");
  EXPECT_EQ(form.focus(), FormInn::Focus::Text1);
}

// ---------------------------------------------------------------------------
// Add line

TEST_F(FormInnTest, TheFirstLineDatesOpensAndWritesTheOrder) {
  FormInn form(app);
  TypeLine(form, "اموكسيسيلين 500", "12.5", "06-2027");

  const storage::ReceiptRecord& r = Receipt(1);
  EXPECT_EQ(r.lineDrug(1), kAmoxicillin);
  EXPECT_EQ(r.lineQuantity(1), 12);  // halves to even
  EXPECT_EQ(r.lineExpiry(1), MakeDate(2027, 6, 15));
  EXPECT_EQ(r.receiptDate(), now);
  EXPECT_EQ(r.receiptState(), 1);
  EXPECT_EQ(app.currentDrugNo, kAmoxicillin);
  EXPECT_EQ(StoredLineDrug(1, 1), kAmoxicillin);
  EXPECT_EQ(At<std::int16_t>(ReadFile(storage::kReceiptFile), 520), kUser);
  EXPECT_EQ(form.lllUserId(), std::to_string(kUser));
  EXPECT_EQ(form.LLLDate(), "2025-12-10   12:00:00");
  // Nothing moves until the order is sent.
  EXPECT_EQ(Drug(kAmoxicillin).balance(), 10);

  // A later line keeps the order's date.
  clock.Advance(0.1);
  TypeLine(form, "باراسيتامول 500", "5");
  EXPECT_EQ(Receipt(1).lineDrug(2), kParacetamol);
  EXPECT_EQ(Receipt(1).receiptDate(), now);
}

TEST_F(FormInnTest, TheSameDrugAgainReplacesItsLine) {
  FormInn form(app);
  TypeLine(form, "اموكسيسيلين 500", "10", "06-2027");
  TypeLine(form, "باراسيتامول 500", "4");
  TypeLine(form, "اموكسيسيلين 500", "25", "09-2028");
  EXPECT_EQ(Receipt(1).lineQuantity(1), 25);
  EXPECT_EQ(Receipt(1).lineExpiry(1), MakeDate(2028, 9, 15));
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);
}

struct QuantityCase {
  std::int32_t balance;
  const char* quantity;
  bool stored;
  std::int32_t storedQuantity;
};

class AddLineQuantity : public FormInnTest, public ::testing::WithParamInterface<QuantityCase> {};

TEST_P(AddLineQuantity, ABalanceMayNotFallBelowZero) {
  const QuantityCase c = GetParam();
  Drug(kDiclofenac).setBalance(c.balance);
  FormInn form(app);
  TypeLine(form, "ديكلوفيناك 50", c.quantity, "06-2027");
  if (c.stored) {
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Receipt(1).lineDrug(1), kDiclofenac);
    EXPECT_EQ(Receipt(1).lineQuantity(1), c.storedQuantity);
  } else {
    EXPECT_EQ(Messages(), std::vector<std::string>{"Not Enough"});
    EXPECT_EQ(Receipt(1).lineDrug(1), 0);
    EXPECT_FALSE(Exists(storage::kReceiptFile));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, AddLineQuantity,
                         ::testing::Values(QuantityCase{3, "-5", false, 0},
                                           QuantityCase{10, "-5", true, -5},
                                           QuantityCase{5, "-5", true, -5},
                                           QuantityCase{0, "-0.5", false, 0},
                                           QuantityCase{0, "0", true, 0},
                                           QuantityCase{0, "7", true, 7}));

TEST_F(FormInnTest, OnlyAQuantityAboveZeroSetsTheExpiryDate) {
  Drug(kDiclofenac).setBalance(10);
  SetLine(1, 1, kDiclofenac, 4, MakeDate(2026, 1, 15));
  Receipt(1).setReceiptState(1);
  Receipt(1).setReceiptDate(now);
  FormInn form(app);
  for (const char* quantity : {"-5", "0"}) {
    // Not even a month that is no month is looked at.
    TypeLine(form, "ديكلوفيناك 50", quantity, "junk");
    EXPECT_EQ(Receipt(1).lineExpiry(1), MakeDate(2026, 1, 15)) << quantity;
  }
  EXPECT_EQ(Receipt(1).lineQuantity(1), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormInnTest, AnExpiryThatIsNoMonthIsRefusedBeforeTheLineIsStored) {
  FormInn form(app);
  for (const char* expiry : {"13-2027", "00-2027", "6-2027", "06-27", "06/2027", "06-2027x", "", "abc"}) {
    ui.messages.clear();
    form.Combo1 = "اموكسيسيلين 500";
    form.Text2 = "10";
    form.ComboExpire = expiry;
    form.EnterInComboExpire();
    EXPECT_EQ(Messages(), std::vector<std::string>{std::string(FormInn::kBadExpiryMonth)}) << expiry;
    EXPECT_EQ(Receipt(1).lineDrug(1), 0) << expiry;
    EXPECT_EQ(Receipt(1).receiptState(), 0) << expiry;
    // The entries stay for the correction.
    EXPECT_EQ(form.Combo1, "اموكسيسيلين 500");
    EXPECT_EQ(form.Text2, "10");
    EXPECT_EQ(form.focus(), FormInn::Focus::ComboExpire);
  }
  EXPECT_FALSE(Exists(storage::kReceiptFile));

  // Blanks around the month are left out.
  form.ComboExpire = " 06-2027 ";
  form.EnterInComboExpire();
  EXPECT_EQ(Receipt(1).lineExpiry(1), MakeDate(2027, 6, 15));
}

TEST_F(FormInnTest, AnUnknownNameStopsAndSendsTheFocusToTheNumberBox) {
  FormInn form(app);
  form.Combo1 = "no such drug";
  form.Text2 = "5";
  form.AddLine();
  EXPECT_EQ(form.focus(), FormInn::Focus::Text1);
  EXPECT_EQ(app.currentDrugNo, 0);
  EXPECT_EQ(Receipt(1).receiptState(), 0);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormInnTest, AFullOrderAndASentOrderTakeNoLine) {
  for (int k = 1; k <= 30; ++k) SetLine(1, k, 100 + k, 1, 0);
  Receipt(1).setReceiptState(1);
  MakeOpenOrder(2, {kParacetamol});
  Receipt(2).setReceiptState(-1);
  FormInn form(app);

  form.Previous();
  ASSERT_EQ(form.shown(), 1);
  TypeLine(form, "اموكسيسيلين 500", "5");
  EXPECT_EQ(receipts::ReceiptLineOfDrug(app, kAmoxicillin, 1), 0);

  form.Next();
  TypeLine(form, "اموكسيسيلين 500", "5");
  TypeLine(form, "باراسيتامول 500", "9");  // not even a replacement
  EXPECT_EQ(receipts::ReceiptLineCount(app, 2), 1);
  EXPECT_EQ(Receipt(2).lineQuantity(1), 10);
  EXPECT_TRUE(Messages().empty());
  EXPECT_FALSE(Exists(storage::kReceiptFile));
}

// ---------------------------------------------------------------------------
// Send / Back and New order

TEST_F(FormInnTest, SendAddsTheQuantitiesAndBackTakesThemOff) {
  FormInn form(app);
  TypeLine(form, "اموكسيسيلين 500", "40", "03-2028");
  TypeLine(form, "باراسيتامول 500", "7", "05-2027");

  form.SendOrBack();
  EXPECT_EQ(Drug(kAmoxicillin).balance(), 50);
  EXPECT_EQ(Drug(kParacetamol).balance(), 10);
  EXPECT_EQ(Drug(kAmoxicillin).expiryDate(), MakeDate(2028, 3, 15));
  EXPECT_EQ(form.Command7(), "Back");
  EXPECT_FALSE(form.entriesEnabled());
  EXPECT_EQ(At<std::int16_t>(ReadFile(storage::kReceiptFile), 526), -1);

  form.SendOrBack();
  EXPECT_EQ(Drug(kAmoxicillin).balance(), 10);
  EXPECT_EQ(Drug(kParacetamol).balance(), 3);
  EXPECT_EQ(form.Command7(), "Send");
  EXPECT_TRUE(form.entriesEnabled());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormInnTest, OrdersDatedOnOrBeforeTheAnchorDateAreNeitherSentNorTakenBack) {
  MakeOpenOrder(1, {kAmoxicillin});
  Receipt(1).setReceiptDate(util::MakeDateTime(2025, 11, 30, 23, 0, 0));
  MakeOpenOrder(2, {kParacetamol});
  Receipt(2).setReceiptDate(util::MakeDateTime(2025, 11, 20, 9, 0, 0));
  Receipt(2).setReceiptState(-1);
  app.settings().setAnchorDate(MakeDate(2025, 11, 30));
  FormInn form(app);

  form.SendOrBack();  // order 2, sent, dated before
  form.Previous();
  form.SendOrBack();  // order 1, open, dated on the anchor day
  const std::string anchor(dispensing::kAnchorDateMessage);
  EXPECT_EQ(Messages(), (std::vector<std::string>{anchor, anchor}));
  EXPECT_EQ(Receipt(1).receiptState(), 1);
  EXPECT_EQ(Receipt(2).receiptState(), -1);
  EXPECT_EQ(Drug(kAmoxicillin).balance(), 10);
  EXPECT_FALSE(Exists(storage::kReceiptFile));
}

TEST_F(FormInnTest, AnOrderWithoutADateIsNeverSent) {
  FormInn form(app);
  form.SendOrBack();
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(dispensing::kAnchorDateMessage)});
  EXPECT_FALSE(Exists(storage::kReceiptFile));
}

TEST_F(FormInnTest, NewOrderSendsTheOpenOrderFirst) {
  FormInn form(app);
  TypeLine(form, "اموكسيسيلين 500", "40");
  form.Text1 = "5";
  form.Combo1 = "x";
  form.Text2 = "3";
  form.NewOrder();
  EXPECT_EQ(Receipt(1).receiptState(), -1);
  EXPECT_EQ(Drug(kAmoxicillin).balance(), 50);
  EXPECT_EQ(form.shown(), 2);
  EXPECT_EQ(form.xxx().Row(1), (std::vector<std::string>{"", "", "", ""}));
  EXPECT_EQ(form.Text1 + form.Combo1 + form.Text2, "");
  EXPECT_EQ(form.focus(), FormInn::Focus::Text1);
  // The new order is written with its first line only.
  EXPECT_EQ(ReadFile(storage::kReceiptFile).size(), kReceiptBytes);
}

TEST_F(FormInnTest, NewOrderLeavesAnOrderOfTheAnchorDayOpenWithTheMessage) {
  MakeOpenOrder(1, {kAmoxicillin});
  app.settings().setAnchorDate(util::DateOnly(now));
  FormInn form(app);
  form.NewOrder();
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(dispensing::kAnchorDateMessage)});
  EXPECT_EQ(Receipt(1).receiptState(), 1);
  EXPECT_EQ(form.shown(), 2);
}

TEST_F(FormInnTest, WithEveryOrderUsedNewOrderSaysTheFileIsFullAndWritesNothing) {
  for (std::int32_t r = 1; r <= 5000; ++r) SetLine(r, 1, kDiclofenac, 1, 0);
  Receipt(5000).setReceiptState(1);
  Receipt(5000).setReceiptDate(now);
  FormInn form(app);
  EXPECT_EQ(form.shown(), 5000);  // the last order, never order 0

  form.NewOrder();
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(FormInn::kReceiptFileFull)});
  EXPECT_EQ(form.shown(), 5000);
  EXPECT_EQ(Receipt(5000).receiptState(), 1);
  EXPECT_EQ(Receipt(0).lineDrug(1), 0);
  EXPECT_FALSE(Exists(storage::kReceiptFile));

  form.Previous();
  form.Next();
  EXPECT_EQ(form.shown(), 5000);
}

// ---------------------------------------------------------------------------
// Line removal

TEST_F(FormInnTest, TheWriterRemovesALineAfterYes) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol, kDiclofenac});
  FormInn form(app);

  ui.answers = {Answer::No};
  form.ClickRow(2);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 3);

  ui.answers = {Answer::Yes};
  form.ClickRow(2);
  EXPECT_EQ(ui.questions,
            (std::vector<std::string>(2, std::string(FormInn::kAskRemoveLine))));
  EXPECT_EQ(Receipt(1).lineDrug(2), kDiclofenac);
  EXPECT_EQ(form.xxx().Text(2, 2), "ديكلوفيناك 50");
  EXPECT_EQ(form.xxx().Text(3, 2), "");
  EXPECT_EQ(StoredLineDrug(1, 2), kDiclofenac);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(FormInnTest, TheLastLineOfAnOrderStaysWithTheRefusal) {
  MakeOpenOrder(1, {kAmoxicillin});
  FormInn form(app);
  form.ClickRow(1);
  EXPECT_EQ(Messages(), std::vector<std::string>{std::string(FormInn::kRemoveRefused)});
  EXPECT_EQ(Receipt(1).lineDrug(1), kAmoxicillin);
}

TEST_F(FormInnTest, AnotherUsersOrderIsNotTheirsToChange) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol});
  Receipt(1).setReceiptUser(2);
  FormInn form(app);
  form.ClickRow(1);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, FormInn::kNotTheWriter);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Information);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);
}

TEST_F(FormInnTest, ClicksOnTheHeaderOrAnEmptyRowAskNothing) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol});
  FormInn form(app);
  for (int row : {0, 3, 30, 31}) form.ClickRow(row);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);
}

// ---------------------------------------------------------------------------
// Supplier, date, delete

TEST_F(FormInnTest, TheSupplierComesFromTheSupplierDialog) {
  MakeOpenOrder(1, {kAmoxicillin});
  app.chosenItemNo = 9;
  std::int32_t seenOnOpening = -1;
  ui.screens[std::string(receipts::FormMrd::kName)] = [&](util::ModalScreen&) {
    seenOnOpening = app.chosenItemNo;
    app.chosenItemNo = 2;
  };
  FormInn form(app);
  form.ChooseSupplier();
  EXPECT_EQ(seenOnOpening, 0);
  EXPECT_EQ(Receipt(1).supplier(), 2);
  EXPECT_EQ(form.LLLMRD(), "شركة النيل للادوية");
  EXPECT_EQ(At<double>(ReadFile(storage::kReceiptFile), 510), 2.0);

  // Closed without a choice: nothing changes.
  ui.screens[std::string(receipts::FormMrd::kName)] = [](util::ModalScreen&) {};
  form.ChooseSupplier();
  EXPECT_EQ(Receipt(1).supplier(), 2);
}

TEST_F(FormInnTest, ASentOrderKeepsItsSupplierWithoutTheDialog) {
  MakeOpenOrder(1, {kAmoxicillin});
  Receipt(1).setReceiptState(-1);
  FormInn form(app);
  form.ChooseSupplier();
  EXPECT_TRUE(ui.modalScreens.empty());
}

class ChangeDateTest : public FormInnTest {
 protected:
  void ScriptDate(std::optional<util::OleDate> day) {
    ui.screens[std::string(core::FFFDay::kName)] = [day](util::ModalScreen& screen) {
      auto& dialog = static_cast<core::FFFDay&>(screen);
      if (!day) {
        dialog.Cancel();
        return;
      }
      const util::CivilDateTime c = util::ToCivil(*day);
      dialog.Text1 = std::to_string(c.day);
      dialog.Text2 = std::to_string(c.month);
      dialog.Text3 = std::to_string(c.year);
      dialog.Ok();
    };
  }
};

TEST_F(ChangeDateTest, TheChosenDayTakesTheCurrentTimeOfDay) {
  MakeOpenOrder(1, {kAmoxicillin});
  Receipt(1).setReceiptState(-1);  // neither the state nor the anchor date is checked
  app.settings().setAnchorDate(now);
  clock.Set(util::MakeDateTime(2025, 12, 10, 15, 30, 0));
  ScriptDate(MakeDate(2024, 3, 5));
  FormInn form(app);
  form.ChangeDate();
  EXPECT_EQ(Receipt(1).receiptDate(), util::MakeDateTime(2024, 3, 5, 15, 30, 0));
  EXPECT_EQ(form.LLLDate(), "2024-03-05   15:30:00");
  EXPECT_EQ(At<double>(ReadFile(storage::kReceiptFile), 500), Receipt(1).receiptDate());
}

TEST_F(ChangeDateTest, DaysBefore2015AndACancelledDialogChangeNothing) {
  MakeOpenOrder(1, {kAmoxicillin});
  FormInn form(app);
  for (std::optional<util::OleDate> day :
       {std::optional<util::OleDate>(MakeDate(2014, 12, 31)), std::optional<util::OleDate>()}) {
    ScriptDate(day);
    form.ChangeDate();
    EXPECT_EQ(Receipt(1).receiptDate(), now);
  }
  EXPECT_FALSE(Exists(storage::kReceiptFile));

  ScriptDate(MakeDate(2015, 1, 1));
  form.ChangeDate();
  EXPECT_EQ(util::DateOnly(Receipt(1).receiptDate()), MakeDate(2015, 1, 1));
}

TEST_F(ChangeDateTest, AnOrderWithoutALineAsksNoDate) {
  ScriptDate(MakeDate(2024, 3, 5));
  FormInn form(app);
  form.ChangeDate();
  EXPECT_TRUE(ui.modalScreens.empty());
  EXPECT_EQ(Receipt(1).receiptDate(), 0);
}

TEST_F(FormInnTest, DeletingTheWholeOrderKeepsLineOneAndWritesAtOnce) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol, kDiclofenac, 8});
  FormInn form(app);

  ui.answers = {Answer::No};
  form.DeleteWholeOrder();
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 4);
  EXPECT_FALSE(Exists(storage::kReceiptFile));

  form.DeleteWholeOrder();  // Yes
  EXPECT_EQ(ui.questions.back(), FormInn::kAskDeleteAll);
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 1);
  EXPECT_EQ(form.xxx().Text(1, 2), "اموكسيسيلين 500");
  EXPECT_EQ(form.xxx().Text(2, 2), "");
  EXPECT_EQ(StoredLineDrug(1, 1), kAmoxicillin);
  EXPECT_EQ(StoredLineDrug(1, 2), 0);
  EXPECT_EQ(StoredLong(1, 124 + 4 * 2), 0);  // quantity of line 2
  EXPECT_EQ(Receipt(1).receiptState(), 1);
  EXPECT_EQ(Receipt(1).receiptDate(), now);
}

TEST_F(FormInnTest, ASentOrderIsNotDeleted) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol});
  Receipt(1).setReceiptState(-1);
  FormInn form(app);
  form.DeleteWholeOrder();
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);
}

// ---------------------------------------------------------------------------
// Failed writes

TEST_F(FormInnTest, AFailedWriteShowsTheFilesMessageAndTheScreenKeepsWhatTheFileHolds) {
  MakeOpenOrder(1, {kAmoxicillin, kParacetamol});
  FormInn form(app);
  BreakDataFolder();
  ui.messages.clear();

  TypeLine(form, "ديكلوفيناك 50", "4");
  form.DeleteWholeOrder();
  form.ClickRow(1);
  EXPECT_EQ(ui.messages.size(), 3u);
  for (const auto& m : ui.messages) EXPECT_EQ(m.icon, util::MessageIcon::Error) << m.text;
  EXPECT_EQ(receipts::ReceiptLineCount(app, 1), 2);
  EXPECT_EQ(form.xxx().Text(1, 2), "اموكسيسيلين 500");
  EXPECT_EQ(form.xxx().Text(2, 2), "باراسيتامول 500");
  EXPECT_EQ(form.xxx().Text(3, 2), "");
}

// ---------------------------------------------------------------------------
// The main window's entry point

TEST_F(FormInnTest, OpenReceiptScreenShowsTheScreenModally) {
  std::int32_t shown = 0;
  ui.screens[std::string(FormInn::kName)] = [&](util::ModalScreen& screen) {
    shown = static_cast<FormInn&>(screen).shown();
  };
  receipts::OpenReceiptScreen(app);
  EXPECT_EQ(ui.modalScreens, std::vector<std::string>{"FormInn"});
  EXPECT_EQ(shown, 1);
}

}  // namespace
