// The drug screen: opening, moving through the catalogue, new drugs, what
// each box shows and stores, the refusals of saving, the pickers and the
// catalogue templates.

#include "drugs/form_drg.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "drugs/form_ds.h"
#include "drugs/form_pharm.h"
#include "drugs/form_unitdesc.h"
#include "receipts/form_mrd.h"
#include "tests/drugs/drugs_fixture.h"
#include "util/dates.h"

namespace {

using drugs::DrgBox;
using drugs::FormDrg;

class FormDrgTest : public drugs_test::DrugsFixture {
 protected:
  // Names every drug of the catalogue.
  void FillCatalogue() { NameDrugs(1, 1500); }
  // Records of the drug file, compared with what memory holds.
  bool FileHoldsMemory() const {
    if (!DrugFileExists()) return false;
    storage::DrugTable stored = StoredDrugs();
    for (std::size_t n = 1; n <= 1500; ++n) {
      if (!(stored[n] == app.drugs()[n])) return false;
    }
    return true;
  }
};

TEST_F(FormDrgTest, OpensOnTheCurrentDrugOrTheLastOneOfTheCatalogue) {
  struct Case {
    const char* what;
    std::int32_t named;    // drugs 1..named have names
    std::int32_t current;  // the run's current drug before
    std::int32_t shown;
  };
  const Case cases[] = {
      {"an empty installation", 0, 0, 1},
      {"no current drug", 20, 0, 20},
      {"a current drug", 20, 7, 7},
      {"a current drug beyond the table", 20, 1501, 20},
      {"a negative current drug", 20, -3, 1},
      {"a full catalogue", 1500, 0, 1500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.drugs().Clear();
    NameDrugs(1, c.named);
    app.currentDrugNo = c.current;

    FormDrg screen(app);

    EXPECT_EQ(screen.shownNumber(), c.shown);
    EXPECT_EQ(app.currentDrugNo, c.shown);
  }
}

TEST_F(FormDrgTest, MovesBetweenTheFirstAndTheLastDrug) {
  NameDrugs(1, 20);
  app.currentDrugNo = 19;
  FormDrg screen(app);

  screen.Next();
  EXPECT_EQ(screen.shownNumber(), 20);
  EXPECT_EQ(screen.Text(DrgBox::DrugName), "دواء 20");
  screen.Next();  // the last drug is the end
  EXPECT_EQ(screen.shownNumber(), 20);

  screen.ShowPage(1);
  screen.Previous();
  EXPECT_EQ(screen.shownNumber(), 1);
  screen.Next();
  EXPECT_EQ(screen.shownNumber(), 2);
  EXPECT_EQ(app.currentDrugNo, 19);  // moving does not change the current drug
}

TEST_F(FormDrgTest, NewShowsTheFirstFreeNumberEmptyAt25Degrees) {
  NameDrugs(1, 20);
  Drug(21).setStorageTemperature(4);  // left behind in a free record
  FormDrg screen(app);

  screen.New();

  EXPECT_EQ(screen.shownNumber(), 21);
  EXPECT_EQ(screen.Text(DrgBox::DrugName), "");
  EXPECT_EQ(screen.Text(DrgBox::Temp), "25");
  EXPECT_EQ(screen.Text(DrgBox::NormalOut), "0");
  EXPECT_EQ(screen.Text(DrgBox::Haml), "False");
  EXPECT_FALSE(DrugFileExists());  // nothing is stored before "حفظ"
}

TEST_F(FormDrgTest, NewInAnEmptyInstallationShowsDrug1Again) {
  FormDrg screen(app);
  ASSERT_EQ(screen.shownNumber(), 1);
  screen.New();
  EXPECT_EQ(screen.shownNumber(), 1);
  EXPECT_EQ(screen.Text(DrgBox::Temp), "25");
}

TEST_F(FormDrgTest, AFullCatalogueRefusesNewWithAMessageAndCanBeBrowsedToTheEnd) {
  FillCatalogue();
  app.currentDrugNo = 1499;
  FormDrg screen(app);

  screen.New();
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{std::string(FormDrg::kCatalogueFull)}));
  EXPECT_EQ(screen.shownNumber(), 1499);

  screen.Next();
  EXPECT_EQ(screen.shownNumber(), 1500);
  screen.Next();
  EXPECT_EQ(screen.shownNumber(), 1500);
}

TEST_F(FormDrgTest, ShowsEveryFieldOfTheDrug) {
  PutSupplier(3, "  مخزن الادوية ");
  auto& d = Drug(5);
  d.setDrugName("Brufen 400");
  d.setShortCode("BR4");
  d.setExpiryDate(46000.5);  // 2025-12-09
  d.setBalance(1234);
  d.setNormalOut(2);
  d.setMinimumStock(50);
  d.setMaximumStock(600);
  d.setManualRate(-7);
  d.setTenderPrice(2.675f);
  d.setMarketPrice(12.5f);
  d.setPurchaseFeeRate(10);
  d.setStorageTemperature(8);
  d.setSupplyStore(3);
  d.setCustodyControlNo(12345678.0f);
  d.setLedgerNo(77);
  d.setUnitCode(4);
  d.setTherapeuticGroup(60);
  d.setEndemic(true);
  d.setPregnancy(false);
  d.setMaternity(true);
  d.setSpecialNature(false);
  d.setNarcoticsSchedule(2);
  app.currentDrugNo = 5;

  FormDrg screen(app);

  struct Case {
    DrgBox box;
    std::string text;
  };
  const Case cases[] = {
      {DrgBox::DrugName, "Brufen 400"},
      {DrgBox::Expire, "12-2025"},
      {DrgBox::Rasid, "1234"},
      {DrgBox::NormalOut, "2"},
      {DrgBox::Minimum, "50"},
      {DrgBox::Maximum, "600"},
      {DrgBox::ManualRate, "-7"},
      {DrgBox::Monaqsa, "2.675"},
      {DrgBox::Souq, "12.5"},
      {DrgBox::RasmShera, "10"},
      {DrgBox::Temp, "8"},
      {DrgBox::Makhzan, "مخزن الادوية"},
      {DrgBox::MoraqbaId, "12345678"},
      {DrgBox::DafterId, "77"},
      {DrgBox::MyCode, "BR4"},
      {DrgBox::UnidDesc, "امبولة"},
      {DrgBox::Pharma, "الأنسولين"},
      {DrgBox::Motawatina, "True"},
      {DrgBox::Haml, "False"},
      {DrgBox::Omoma, "True"},
      {DrgBox::ZoTabiyaKhasa, "False"},
      {DrgBox::Gadwal, "2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(screen.Text(c.box), c.text) << drugs::BoxInfo(c.box).control;
  }
}

TEST_F(FormDrgTest, AnEmptyRecordShowsZerosAndTheExpiryOf1899) {
  FormDrg screen(app);
  EXPECT_EQ(screen.Text(DrgBox::Expire), "12-1899");
  EXPECT_EQ(screen.Text(DrgBox::Monaqsa), "0");
  EXPECT_EQ(screen.Text(DrgBox::Makhzan), "");
  EXPECT_EQ(screen.Text(DrgBox::UnidDesc), "");
  EXPECT_EQ(screen.Text(DrgBox::Pharma), "");
}

TEST_F(FormDrgTest, LockedBoxesTakeNoTypingAndShowTheirColours) {
  NameDrugs(1, 1);
  Drug(1).setBalance(9);
  FormDrg screen(app);

  screen.SetText(DrgBox::Rasid, "500");
  screen.SetText(DrgBox::Haml, "True");
  screen.SetText(DrgBox::Pharma, "الأنسولين");
  screen.SetText(DrgBox::Temp, "30");

  EXPECT_EQ(screen.Text(DrgBox::Rasid), "9");
  EXPECT_EQ(screen.Text(DrgBox::Haml), "False");
  EXPECT_EQ(screen.Text(DrgBox::Pharma), "");
  EXPECT_EQ(screen.Text(DrgBox::Temp), "30");
  EXPECT_EQ(FormDrg::Background(DrgBox::Rasid), FormDrg::kGrey);
  EXPECT_EQ(FormDrg::Background(DrgBox::Makhzan), FormDrg::kPaleYellow);
  EXPECT_EQ(FormDrg::Background(DrgBox::ZoTabiyaKhasa), FormDrg::kPaleYellow);
  EXPECT_EQ(FormDrg::Background(DrgBox::DrugName), FormDrg::kWhite);
}

TEST_F(FormDrgTest, SaveStoresEveryBoxAndWritesTheDrugFile) {
  PutSupplier(2, "Pharco");
  NameDrugs(1, 3);
  Drug(2).setBalance(40);
  Drug(2).setExpiryDate(45000);
  Drug(2).setOpeningBalance(30);
  app.currentDrugNo = 2;
  FormDrg screen(app);

  screen.SetText(DrgBox::DrugName, " Cataflam 50 mg tablets, box of twenty");  // cut to 30
  screen.SetText(DrgBox::Expire, "01-2030");  // not stored by this screen
  screen.SetText(DrgBox::NormalOut, " 12.5 ");  // a whole number, halves to even
  screen.SetText(DrgBox::Minimum, "-40");
  screen.SetText(DrgBox::Maximum, "1e3");
  screen.SetText(DrgBox::ManualRate, "+7");
  screen.SetText(DrgBox::Monaqsa, "2.675 LE");  // the leading number
  screen.SetText(DrgBox::Souq, "abc");
  screen.SetText(DrgBox::RasmShera, "2.5");
  screen.SetText(DrgBox::Temp, "13.5 degrees");
  screen.SetText(DrgBox::MoraqbaId, "981.25");
  screen.SetText(DrgBox::DafterId, "3.5");
  screen.SetText(DrgBox::MyCode, "CAT50MG");  // cut to 5
  screen.SetText(DrgBox::Gadwal, "");
  ui.screens["FFFMRD"] = [](util::ModalScreen& s) {
    auto& dialog = static_cast<receipts::FormMrd&>(s);
    dialog.Select(0);
    dialog.Send();
  };
  screen.Click(DrgBox::Makhzan);
  ui.screens["FFFUnitdesc"] = [](util::ModalScreen& s) {
    static_cast<drugs::FormUnitdesc&>(s).ClickItem(1);  // "كبسولة"
  };
  screen.Click(DrgBox::UnidDesc);
  screen.Click(DrgBox::Haml);
  screen.Click(DrgBox::Omoma);
  screen.Click(DrgBox::Omoma);

  screen.Save();

  EXPECT_TRUE(ui.messages.empty());
  const auto& d = Drug(2);
  EXPECT_EQ(d.drugName(), "Cataflam 50 mg tablets, box o");
  EXPECT_EQ(d.expiryDate(), 45000);
  EXPECT_EQ(d.balance(), 40);
  EXPECT_EQ(d.openingBalance(), 30);
  EXPECT_EQ(d.normalOut(), 12);
  EXPECT_EQ(d.minimumStock(), -40);
  EXPECT_EQ(d.maximumStock(), 1000);
  EXPECT_EQ(d.manualRate(), 7);
  EXPECT_EQ(d.tenderPrice(), 2.675f);
  EXPECT_EQ(d.marketPrice(), 0.0f);
  EXPECT_EQ(d.purchaseFeeRate(), 2);
  EXPECT_EQ(d.storageTemperature(), 14);
  EXPECT_EQ(d.supplyStore(), 2);
  EXPECT_EQ(d.custodyControlNo(), 981.25f);
  EXPECT_EQ(d.ledgerNo(), 4);
  EXPECT_EQ(d.shortCode(), "CAT50");
  EXPECT_EQ(d.unitCode(), 2);
  EXPECT_EQ(d.therapeuticGroup(), 0);
  EXPECT_FALSE(d.endemic());
  EXPECT_TRUE(d.pregnancy());
  EXPECT_FALSE(d.maternity());
  EXPECT_FALSE(d.specialNature());
  EXPECT_EQ(d.narcoticsSchedule(), 0);
  EXPECT_TRUE(FileHoldsMemory());
  // The screen stays on the drug and shows what was stored.
  EXPECT_EQ(screen.shownNumber(), 2);
  EXPECT_EQ(screen.Text(DrgBox::NormalOut), "12");
  EXPECT_EQ(screen.Text(DrgBox::Expire), util::FormatMonthYear(45000));
}

TEST_F(FormDrgTest, SaveKeepsTheNameAsTypedAndAcceptsANameAnotherDrugHas) {
  NameDrugs(1, 2);
  app.currentDrugNo = 2;
  FormDrg screen(app);

  screen.SetText(DrgBox::DrugName, "  دواء 1");
  screen.Save();

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Drug(2).drugName(), "دواء 1");
  EXPECT_EQ(StoredDrugs()[2].bytes()[0], ' ');  // stored as typed
}

TEST_F(FormDrgTest, AValueItsFieldCannotHoldIsRefusedWithOneMessageNamingTheBox) {
  struct Case {
    DrgBox box;
    std::string typed;
  };
  const Case cases[] = {
      {DrgBox::NormalOut, ""},          // typed whole numbers have no leading-number rule
      {DrgBox::NormalOut, "abc"},
      {DrgBox::Minimum, "12abc"},
      {DrgBox::Maximum, "40000"},
      {DrgBox::ManualRate, "-32769"},
      {DrgBox::ManualRate, "32767.5"},  // rounds to 32768
      {DrgBox::Temp, "99999"},
      {DrgBox::DafterId, "-40000"},
      {DrgBox::Gadwal, "1e6"},
      {DrgBox::RasmShera, "3000000000"},
      {DrgBox::Monaqsa, "1e39"},
      {DrgBox::Souq, "-1e39"},
      {DrgBox::MoraqbaId, "1e999"},
  };
  NameDrugs(1, 1);
  Drug(1).setStorageTemperature(5);
  const storage::DrugRecord before = Drug(1);
  for (const auto& c : cases) {
    const std::string label(drugs::BoxInfo(c.box).label);
    SCOPED_TRACE(label + " = " + c.typed);
    ui.messages.clear();
    FormDrg screen(app);
    screen.SetText(DrgBox::DrugName, "اسم جديد");
    screen.SetText(DrgBox::Temp, "30");
    screen.SetText(c.box, c.typed);
    screen.SetText(DrgBox::Gadwal, c.box == DrgBox::Gadwal ? c.typed : "x");  // valid: 0

    screen.Save();

    ASSERT_EQ(ui.messages.size(), 1U);
    EXPECT_NE(ui.messages[0].text.find("\"" + label + "\""), std::string::npos)
        << ui.messages[0].text;
    EXPECT_EQ(Drug(1), before);
    EXPECT_FALSE(DrugFileExists());
    EXPECT_EQ(screen.Text(c.box), c.typed);  // the screen keeps what was typed
  }
}

TEST_F(FormDrgTest, TheRefusalOfAWholeNumberFieldSaysWhatItTakes) {
  NameDrugs(1, 1);
  FormDrg screen(app);
  screen.SetText(DrgBox::Minimum, "كثير");
  screen.Save();
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{
                                   "خانة \"الحد الادني\" تقبل رقما صحيحا من -32768 الي 32767"}));
}

TEST_F(FormDrgTest, AnEmptyNameOverANumberInUseIsRefused) {
  struct Case {
    const char* what;
    void (*setUp)(core::App&);
  };
  const Case cases[] = {
      {"a named drug", [](core::App& a) { a.drugs()[7].setDrugName("Zyrtec"); }},
      {"a balance", [](core::App& a) { a.drugs()[7].setBalance(-2); }},
      {"an opening balance", [](core::App& a) { a.drugs()[7].setOpeningBalance(10); }},
      {"a ticket line", [](core::App& a) { a.tickets()[499999].setDrugIndex(30, 7); }},
      {"a receipt line", [](core::App& a) { a.receipts()[5000].setLineDrug(12, 7); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.drugs().Clear();
    app.tickets()[499999] = {};
    app.receipts()[5000] = {};
    NameDrugs(1, 6);
    c.setUp(app);
    const storage::DrugRecord before = Drug(7);
    ui.messages.clear();
    app.currentDrugNo = 7;
    FormDrg screen(app);

    screen.SetText(DrgBox::DrugName, "   ");
    screen.SetText(DrgBox::Temp, "4");
    screen.Save();

    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{std::string(FormDrg::kNameInUse)}));
    EXPECT_EQ(Drug(7), before);
    EXPECT_FALSE(DrugFileExists());
  }
}

TEST_F(FormDrgTest, AnEmptyNameOnAFreeUnusedNumberIsStoredAndTheNumberStaysFree) {
  NameDrugs(1, 6);
  Drug(8).setBalance(3);  // another free number in use does not matter
  FormDrg screen(app);
  screen.New();
  ASSERT_EQ(screen.shownNumber(), 7);

  screen.Save();

  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(Drug(7).IsFree());
  EXPECT_EQ(Drug(7).storageTemperature(), 25);
  EXPECT_TRUE(FileHoldsMemory());
}

TEST_F(FormDrgTest, AFailedWriteIsShownAndTheDrugStaysAsItWas) {
  NameDrugs(1, 1);
  FormDrg screen(app);
  screen.SetText(DrgBox::DrugName, "اسم جديد");
  BreakDataFolder();

  screen.Save();

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(Drug(1).drugName(), "دواء 1");
}

TEST_F(FormDrgTest, TheClassificationsToggleBetweenTrueAndFalse) {
  NameDrugs(1, 1);
  Drug(1).setSpecialNature(true);
  FormDrg screen(app);

  for (DrgBox box : {DrgBox::Motawatina, DrgBox::Haml, DrgBox::Omoma}) {
    screen.Click(box);
    EXPECT_EQ(screen.Text(box), "True");
  }
  screen.Click(DrgBox::ZoTabiyaKhasa);
  EXPECT_EQ(screen.Text(DrgBox::ZoTabiyaKhasa), "False");
  screen.Click(DrgBox::Haml);
  EXPECT_EQ(screen.Text(DrgBox::Haml), "False");

  screen.Save();
  EXPECT_TRUE(Drug(1).endemic());
  EXPECT_FALSE(Drug(1).pregnancy());
  EXPECT_TRUE(Drug(1).maternity());
  EXPECT_FALSE(Drug(1).specialNature());
}

TEST_F(FormDrgTest, TheSupplyStorePickerStartsFromNoChoice) {
  PutSupplier(1, "مخزن الادوية");
  PutSupplier(2, "Pharco");
  NameDrugs(1, 1);
  Drug(1).setSupplyStore(1);
  app.chosenItemNo = 9;
  std::int32_t chosenWhenOpened = -1;
  ui.screens["FFFMRD"] = [&](util::ModalScreen&) { chosenWhenOpened = app.chosenItemNo; };
  FormDrg screen(app);
  ASSERT_EQ(screen.Text(DrgBox::Makhzan), "مخزن الادوية");

  screen.Click(DrgBox::Makhzan);  // closed without a choice

  EXPECT_EQ(chosenWhenOpened, 0);
  EXPECT_EQ(screen.Text(DrgBox::Makhzan), "");
  screen.Save();
  EXPECT_EQ(Drug(1).supplyStore(), 0);

  ui.screens["FFFMRD"] = [](util::ModalScreen& s) {
    auto& dialog = static_cast<receipts::FormMrd&>(s);
    dialog.Select(1);
    dialog.Send();
  };
  screen.Click(DrgBox::Makhzan);
  EXPECT_EQ(screen.Text(DrgBox::Makhzan), "Pharco");
  screen.Save();
  EXPECT_EQ(Drug(1).supplyStore(), 2);
}

TEST_F(FormDrgTest, TheGroupPickerShowsTheChosenGroupOrNothing) {
  NameDrugs(1, 1);
  FormDrg screen(app);
  ui.screens["FFFPharm"] = [](util::ModalScreen& s) {
    auto& list = static_cast<drugs::FormPharm&>(s);
    for (std::size_t i = 0; i < list.list().size(); ++i) {
      if (list.list()[i] == "الأنسولين") list.ClickItem(static_cast<int>(i));
    }
  };

  screen.Click(DrgBox::Pharma);
  EXPECT_EQ(screen.Text(DrgBox::Pharma), "الأنسولين");
  screen.Save();
  EXPECT_EQ(Drug(1).therapeuticGroup(), 60);

  app.chosenItemNo = 60;
  ui.screens.erase("FFFPharm");  // closed without a click
  screen.Click(DrgBox::Pharma);
  EXPECT_EQ(screen.Text(DrgBox::Pharma), "");
  screen.Save();
  EXPECT_EQ(Drug(1).therapeuticGroup(), 0);
}

TEST_F(FormDrgTest, TheUnitListClosedWithoutAClickKeepsTheUnit) {
  NameDrugs(1, 1);
  Drug(1).setUnitCode(13);
  FormDrg screen(app);
  ASSERT_EQ(screen.Text(DrgBox::UnidDesc), "علبة");

  screen.Click(DrgBox::UnidDesc);

  EXPECT_EQ(app.dialogResult, "16711935");
  EXPECT_EQ(screen.Text(DrgBox::UnidDesc), "علبة");
  EXPECT_EQ(ui.modalScreens, (std::vector<std::string>{"FFFUnitdesc"}));
}

TEST_F(FormDrgTest, SearchShowsTheChosenDrugUnlessANewDrugIsOnScreen) {
  NameDrugs(1, 20);
  app.currentDrugNo = 3;
  FormDrg screen(app);
  ui.screens["FFFDS"] = [](util::ModalScreen& s) {
    auto& dialog = static_cast<drugs::FormDs&>(s);
    dialog.SetSearchText("دواء 15");
    dialog.ClickItem(0);
  };

  screen.Search();
  EXPECT_EQ(screen.shownNumber(), 15);
  EXPECT_EQ(screen.Text(DrgBox::DrugName), "دواء 15");

  screen.New();
  screen.SetText(DrgBox::DrugName, "دواء جديد");
  screen.Search();
  EXPECT_EQ(screen.shownNumber(), 21);
  EXPECT_EQ(screen.Text(DrgBox::DrugName), "دواء جديد");
}

TEST_F(FormDrgTest, SearchClosedWithoutAChoiceShowsTheCurrentDrug) {
  NameDrugs(1, 20);
  app.currentDrugNo = 3;
  FormDrg screen(app);
  screen.Next();

  screen.Search();

  EXPECT_EQ(screen.shownNumber(), 3);
}

TEST_F(FormDrgTest, ASearchThatPicksNoDrugStaysOnTheDrugShown) {
  NameDrugs(1, 20);
  app.currentDrugNo = 3;
  FormDrg screen(app);
  ui.screens["FFFDS"] = [](util::ModalScreen& s) {
    auto& dialog = static_cast<drugs::FormDs&>(s);
    dialog.SetSearchText("");
    dialog.ClickItem(30);  // a free record's empty name
  };

  screen.Search();

  EXPECT_EQ(app.currentDrugNo, 0);
  EXPECT_EQ(screen.shownNumber(), 3);
}

TEST_F(FormDrgTest, OpenDrugScreenShowsTheScreenModally) {
  drugs::OpenDrugScreen(app);
  EXPECT_EQ(ui.modalScreens, (std::vector<std::string>{"FormDRG"}));
}

// ---------------------------------------------------------------------------
// Catalogue templates

class CatalogueTemplates : public FormDrgTest {
 protected:
  // A template file of three drugs.
  void WriteTemplate(std::string_view file) {
    storage::DrugTable t(storage::kMaxDrugs);
    t[1].setDrugName("Adol 500");
    t[2].setDrugName("اموكسيل 250");
    t[3].setDrugName("Zyrtec");
    t[3].setStorageTemperature(25);
    ASSERT_TRUE(t.SaveTable(app.DataFile(file)));
  }
};

TEST_F(CatalogueTemplates, EachTemplateReplacesTheCatalogueOfAFreshInstallationAndEndsTheProgram) {
  for (const auto& info : drugs::kCatalogueTemplates) {
    SCOPED_TRACE(info.caption);
    app.drugs().Clear();
    NameDrugs(1, 9);
    WriteTemplate(info.file);
    FormDrg screen(app);

    screen.LoadTemplate(info.which);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(app.ExitRequested());
    EXPECT_TRUE(screen.closed());
    storage::DrugTable stored = StoredDrugs();
    EXPECT_EQ(stored[2].drugName(), "اموكسيل 250");
    EXPECT_TRUE(stored[4].IsFree());
    // Memory holds the new catalogue too: a write before the end keeps it.
    EXPECT_TRUE(FileHoldsMemory());
  }
}

TEST_F(CatalogueTemplates, TheFileNamesOfTheMenu) {
  EXPECT_EQ(drugs::TemplateInfo(drugs::CatalogueTemplate::Model1).file, "database-a.vlk");
  EXPECT_EQ(drugs::TemplateInfo(drugs::CatalogueTemplate::Model2).file, "database-b.vlk");
  EXPECT_EQ(drugs::TemplateInfo(drugs::CatalogueTemplate::ArabicStores).file,
            "database-arabic.vlk");
}

// Opening balances of more than 10 drugs, or drugs on line 1 of tickets 4, 5
// and 6 adding up to more than 1, make a working copy.
struct Installation {
  const char* what;
  int openingBalances;                  // drugs 1..openingBalances hold one
  std::int16_t first4, first5, first6;  // the drug of line 1 of tickets 4, 5, 6
};

TEST_F(CatalogueTemplates, AWorkingCopyIsRefused) {
  const Installation cases[] = {
      {"11 opening balances", 11, 0, 0, 0},
      {"two trial tickets adding up to 2", 0, 1, 1, 0},
      {"a real ticket", 0, 0, 0, 35},
  };
  WriteTemplate("database-a.vlk");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.drugs().Clear();
    NameDrugs(1, 20);
    for (int n = 1; n <= c.openingBalances; ++n) Drug(n).setOpeningBalance(5);
    app.tickets()[4].setDrugIndex(1, c.first4);
    app.tickets()[5].setDrugIndex(1, c.first5);
    app.tickets()[6].setDrugIndex(1, c.first6);
    ui.messages.clear();
    FormDrg screen(app);

    screen.LoadTemplate(drugs::CatalogueTemplate::Model1);

    EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"لا يمكن الاستيراد علي نسخة عاملة"}));
    EXPECT_FALSE(app.ExitRequested());
    EXPECT_FALSE(screen.closed());
    EXPECT_FALSE(DrugFileExists());
    EXPECT_EQ(Drug(20).drugName(), "دواء 20");
  }
}

TEST_F(CatalogueTemplates, AFewOpeningBalancesOrATrialTicketStillMakeAFreshInstallation) {
  const Installation cases[] = {
      {"10 opening balances", 10, 0, 0, 0},
      {"one trial ticket of drug 1", 0, 0, 1, 0},
  };
  WriteTemplate("database-b.vlk");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.drugs().Clear();
    NameDrugs(1, 20);
    for (int n = 1; n <= c.openingBalances; ++n) Drug(n).setOpeningBalance(5);
    app.tickets()[4].setDrugIndex(1, c.first4);
    app.tickets()[5].setDrugIndex(1, c.first5);
    app.tickets()[6].setDrugIndex(1, c.first6);
    std::filesystem::remove(app.DataFile(storage::kDrugFile));
    FormDrg screen(app);

    screen.LoadTemplate(drugs::CatalogueTemplate::Model2);

    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(app.ExitRequested());
    EXPECT_EQ(Drug(1).drugName(), "Adol 500");
    EXPECT_TRUE(FileHoldsMemory());
  }
}

TEST_F(CatalogueTemplates, AMissingTemplateIsReportedAndChangesNothing) {
  NameDrugs(1, 5);
  bool ended = false;
  app.SetExitHandler([&] { ended = true; });
  FormDrg screen(app);

  screen.LoadTemplate(drugs::CatalogueTemplate::ArabicStores);

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_NE(ui.messages[0].text.find("database-arabic.vlk"), std::string::npos);
  EXPECT_FALSE(ended);
  EXPECT_FALSE(screen.closed());
  EXPECT_FALSE(DrugFileExists());
  EXPECT_FALSE(std::filesystem::exists(app.DataFile("database-arabic.vlk")));
  EXPECT_EQ(Drug(5).drugName(), "دواء 5");
}

}  // namespace
