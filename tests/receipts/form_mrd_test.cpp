// The supplier dialog: its list, the tall form, send, add and rename, and
// the refusals it makes without a word.

#include "receipts/form_mrd.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "receipts/suppliers.h"
#include "storage/data_files.h"
#include "tests/receipts/receipts_fixture.h"

namespace {

using receipts::FormMrd;
using receipts_test::ReceiptsFixture;

class FormMrdTest : public ReceiptsFixture {
 protected:
  void Put(std::int32_t n, const std::string& name) {
    ASSERT_TRUE(app.suppliers()[Index(n)].setName(name));
  }
  std::string Name(std::int32_t n) const { return app.suppliers()[Index(n)].name(); }
  storage::SupplierTable Stored() const {
    storage::SupplierTable stored(storage::kMaxSuppliers);
    EXPECT_TRUE(stored.Load(DataFile(storage::kSupplierFile)));
    return stored;
  }
};

TEST_F(FormMrdTest, ListsTheCleanedNamesInNumberOrderAndOpensShort) {
  Put(1, "  مخزن الادوية ");
  Put(3, "الشركة المصرية");
  Put(2, "   ");  // cleans to empty: a free number
  Put(7, "Pharco");

  FormMrd dialog(app);

  EXPECT_EQ(dialog.list(), (std::vector<std::string>{"مخزن الادوية", "الشركة المصرية", "Pharco"}));
  EXPECT_EQ(dialog.selected(), -1);
  EXPECT_FALSE(dialog.tall());
  EXPECT_EQ(dialog.height(), 6684);

  dialog.Edit();
  EXPECT_TRUE(dialog.tall());
  EXPECT_EQ(dialog.height(), 8145);
}

TEST_F(FormMrdTest, SendHandsTheSelectedNumberBackAndCloses) {
  Put(2, "Pharco");
  Put(5, "  Pharco");  // the same name again: the lower number answers
  Put(9, "مخزن الادوية");
  app.chosenItemNo = 0;
  FormMrd dialog(app);

  dialog.Send();  // nothing selected
  EXPECT_EQ(app.chosenItemNo, 0);
  EXPECT_FALSE(dialog.closed());

  dialog.Select(2);
  dialog.Send();
  EXPECT_EQ(app.chosenItemNo, 9);
  EXPECT_TRUE(dialog.closed());

  FormMrd again(app);
  again.Select(1);
  again.Send();
  EXPECT_EQ(app.chosenItemNo, 2);
}

TEST_F(FormMrdTest, AddTakesTheFirstFreeNumberKeepsTheNameAsTypedAndRefills) {
  Put(1, "مخزن الادوية");
  Put(3, "Pharco");
  FormMrd dialog(app);
  ui.inputs = {std::string(" الشركة المصرية  ")};

  dialog.Add();

  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"ادخل اسم المورد"}));
  EXPECT_EQ(Name(2), " الشركة المصرية  ");
  EXPECT_EQ(Stored()[2].name(), " الشركة المصرية  ");
  EXPECT_EQ(dialog.list(),
            (std::vector<std::string>{"مخزن الادوية", "الشركة المصرية", "Pharco"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FormMrdTest, RenameKeepsTheNumber) {
  Put(1, "مخزن الادوية");
  Put(2, "Pharco");
  FormMrd dialog(app);
  dialog.Select(1);
  ui.inputs = {std::string("Pharco Egypt")};

  dialog.Rename();

  EXPECT_EQ(ui.prompts, (std::vector<std::string>{"ادخل الاسم الجديد"}));
  EXPECT_EQ(Name(2), "Pharco Egypt");
  EXPECT_EQ(Stored()[2].name(), "Pharco Egypt");
  EXPECT_EQ(dialog.list(), (std::vector<std::string>{"مخزن الادوية", "Pharco Egypt"}));
  EXPECT_EQ(dialog.selected(), 1);
}

// Every one of these changes nothing and says nothing.
TEST_F(FormMrdTest, SilentRefusals) {
  struct Case {
    const char* what;
    int suppliers;                        // names 1..suppliers are taken
    int select;                           // -1: nothing selected
    bool rename;                          // rename, else add
    std::optional<std::string> answer;    // nothing: the box was cancelled
    bool asked;                           // the input box was shown
  };
  const Case cases[] = {
      {"a full list", 50, -1, false, std::string("مورد جديد"), false},
      {"a cancelled box", 2, -1, false, std::nullopt, true},
      {"two letters", 2, -1, false, std::string("اب"), true},
      {"two letters between spaces", 2, -1, false, std::string("   اب  "), true},
      {"rename without a selection", 2, -1, true, std::string("اسم جديد"), false},
      {"rename to two letters", 2, 0, true, std::string(" اب "), true},
      {"rename cancelled", 2, 0, true, std::nullopt, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    app.suppliers().Clear();
    for (int n = 1; n <= c.suppliers; ++n) Put(n, "مورد رقم " + std::to_string(n));
    const storage::SupplierTable before = app.suppliers();
    ui.prompts.clear();
    ui.inputs = {c.answer};
    FormMrd dialog(app);
    dialog.Select(c.select);

    if (c.rename) {
      dialog.Rename();
    } else {
      dialog.Add();
    }

    EXPECT_EQ(ui.prompts.size(), c.asked ? 1U : 0U);
    for (int n = 1; n <= 50; ++n) EXPECT_EQ(app.suppliers()[Index(n)], before[Index(n)]) << n;
    EXPECT_FALSE(Exists(storage::kSupplierFile));
    EXPECT_TRUE(ui.messages.empty());
  }
}

TEST_F(FormMrdTest, ANameLongerThanARecordIsRefusedWithAMessage) {
  FormMrd dialog(app);
  ui.inputs = {std::string(127, 'x')};

  dialog.Add();

  EXPECT_EQ(ui.messages.size(), 1U);
  EXPECT_TRUE(app.suppliers()[1].IsFree());
  EXPECT_TRUE(dialog.list().empty());
}

TEST_F(FormMrdTest, AFailedWriteIsShownAndTheListStaysAsItWas) {
  FormMrd dialog(app);
  BreakDataFolder();
  ui.inputs = {std::string("مخزن الادوية")};

  dialog.Add();

  ASSERT_EQ(ui.messages.size(), 1U);
  EXPECT_EQ(ui.messages[0].icon, util::MessageIcon::Error);
  EXPECT_TRUE(app.suppliers()[1].IsFree());
  EXPECT_TRUE(dialog.list().empty());
}

TEST_F(FormMrdTest, OpenSupplierDialogRunsTheDialogAndAnswersTheChosenNumber) {
  Put(4, "Pharco");
  app.chosenItemNo = 0;
  ui.screens["FFFMRD"] = [](util::ModalScreen& screen) {
    auto& dialog = static_cast<FormMrd&>(screen);
    dialog.Select(0);
    dialog.Send();
  };

  EXPECT_EQ(receipts::OpenSupplierDialog(app), 4);
  EXPECT_EQ(ui.modalScreens, (std::vector<std::string>{"FFFMRD"}));

  ui.screens.clear();  // closed without a choice: the number stays
  app.chosenItemNo = 17;
  EXPECT_EQ(receipts::OpenSupplierDialog(app), 17);
}

}  // namespace
