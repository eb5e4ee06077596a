#include "receipts/suppliers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "storage/data_files.h"
#include "tests/receipts/receipts_fixture.h"

namespace {

using receipts_test::ReceiptsFixture;
using storage::kSupplierFile;

class Suppliers : public ReceiptsFixture {
 protected:
  // The stored name of supplier n as the record holds it.
  std::string Name(std::int32_t n) const { return app.suppliers()[Index(n)].name(); }
  void Put(std::int32_t n, const std::string& name) {
    ASSERT_TRUE(app.suppliers()[Index(n)].setName(name));
  }
  storage::SupplierTable Stored() const {
    storage::SupplierTable stored(storage::kMaxSuppliers);
    EXPECT_TRUE(stored.Load(DataFile(kSupplierFile)));
    return stored;
  }
  static std::string Repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  }
};

TEST_F(Suppliers, AddingToAnEmptyListGivesNumbers1Then2AndStoresTheNameAsTyped) {
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 1);

  std::int32_t first = -1;
  EXPECT_TRUE(receipts::AddSupplier(app, "  الشركة المصرية ", &first).done());
  EXPECT_EQ(first, 1);
  std::int32_t second = -1;
  EXPECT_TRUE(receipts::AddSupplier(app, "مخزن الادوية", &second).done());
  EXPECT_EQ(second, 2);
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 3);

  EXPECT_EQ(Name(1), "  الشركة المصرية ");
  EXPECT_EQ(receipts::FindSupplierByName(app, "الشركة المصرية"), 1);
  EXPECT_EQ(receipts::FindSupplierByName(app, " مخزن الادوية  "), 2);
  EXPECT_TRUE(ui.messages.empty());

  // The whole list is written: 50 records, the name as typed in code page 1256.
  auto file = ReadFile(kSupplierFile);
  ASSERT_EQ(file.size(), 50u * 128u);
  EXPECT_EQ(At<std::int16_t>(file, 0), 17);
  EXPECT_EQ(file[2], ' ');
  EXPECT_EQ(file[4], 0xC7);  // alef
  EXPECT_EQ(Stored()[1].name(), "  الشركة المصرية ");
  EXPECT_EQ(Stored()[2].name(), "مخزن الادوية");
}

TEST_F(Suppliers, ARenameKeepsTheNumberSoEveryReceiptAndDrugShowsTheNewName) {
  Put(1, "شركة النيل");
  Receipt(5).setSupplier(1);
  Drug(9).setSupplyStore(1);

  auto result = receipts::RenameSupplier(app, 1, "شركة الدلتا");
  EXPECT_TRUE(result.done());
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة الدلتا"), 1);

  auto nameOf = [&](double number) { return Name(static_cast<std::int32_t>(number)); };
  EXPECT_EQ(nameOf(Receipt(5).supplier()), "شركة الدلتا");
  EXPECT_EQ(nameOf(Drug(9).supplyStore()), "شركة الدلتا");
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة النيل"), 0);
  EXPECT_EQ(Stored()[1].name(), "شركة الدلتا");
}

TEST_F(Suppliers, NamesShorterThanThreeCharactersAreIgnoredSilently) {
  Put(1, "شركة النيل");
  struct Case {
    const char* answer;
    bool ignored;
  };
  const Case cases[] = {
      {"", true},   {"   ", true},    {"مد", true},   {"  مد  ", true},
      {"ab", true}, {" a b ", false}, {"مدد", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    auto added = receipts::AddSupplier(app, c.answer);
    auto renamed = receipts::RenameSupplier(app, 1, c.answer);
    EXPECT_EQ(added.refused(), c.ignored);
    EXPECT_EQ(renamed.refused(), c.ignored);
    EXPECT_EQ(added.done(), !c.ignored);
    EXPECT_EQ(renamed.done(), !c.ignored);
    EXPECT_TRUE(added.message().empty());
    EXPECT_TRUE(renamed.message().empty());
    if (c.ignored) {
      EXPECT_EQ(receipts::FirstFreeSupplier(app), 2);
      EXPECT_EQ(Name(1), "شركة النيل");
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Suppliers, DuplicateNamesAreFoundAndRenamedAtTheLowerNumber) {
  Put(2, "شركة النيل");
  Put(4, "  شركة النيل");
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة النيل "), 2);
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 1);

  auto result =
      receipts::RenameSupplier(app, receipts::FindSupplierByName(app, "شركة النيل"), "شركة أخرى");
  EXPECT_TRUE(result.done());
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة أخرى"), 2);
  EXPECT_EQ(Name(2), "شركة أخرى");
  EXPECT_EQ(Name(4), "  شركة النيل");
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة النيل"), 4);
}

TEST_F(Suppliers, NothingSelectedFindsNoSupplierEvenWithFreeNumbers) {
  Put(3, "شركة النيل");
  EXPECT_EQ(receipts::FindSupplierByName(app, ""), 0);
  EXPECT_EQ(receipts::FindSupplierByName(app, "  "), 0);
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة"), 0);
}

TEST_F(Suppliers, The51stSupplierCannotBeAdded) {
  for (int n = 1; n <= 50; ++n) {
    std::int32_t number = -1;
    ASSERT_TRUE(receipts::AddSupplier(app, "مورد " + std::to_string(n), &number));
    ASSERT_EQ(number, n);
  }
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 0);
  const auto before = ReadFile(kSupplierFile);

  std::int32_t number = -1;
  auto result = receipts::AddSupplier(app, "مورد 51", &number);
  EXPECT_TRUE(result.refused());
  EXPECT_TRUE(result.message().empty());
  EXPECT_EQ(number, 0);
  EXPECT_EQ(receipts::FindSupplierByName(app, "مورد 51"), 0);
  EXPECT_EQ(ReadFile(kSupplierFile), before);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(Suppliers, ANameOfMoreThan126BytesIsRefusedWithAMessageAndNeverCut) {
  // Arabic letters take two bytes in UTF-8 and one in code page 1256.
  const std::string fits = Repeat("م", 126);
  const std::string tooLong = Repeat("م", 127);

  std::int32_t number = -1;
  auto refused = receipts::AddSupplier(app, tooLong, &number);
  EXPECT_TRUE(refused.refused());
  EXPECT_NE(refused.message().find("126"), std::string::npos);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 1);
  EXPECT_FALSE(Exists(kSupplierFile));

  auto added = receipts::AddSupplier(app, fits);
  ASSERT_TRUE(added.done());
  EXPECT_EQ(Stored()[1].name(), fits);

  // Spaces count: the name is stored as typed.
  auto renamed = receipts::RenameSupplier(app, 1, " " + fits);
  EXPECT_TRUE(renamed.refused());
  EXPECT_EQ(renamed.message(), refused.message());
  EXPECT_EQ(Name(1), fits);
}

TEST_F(Suppliers, RenamingANumberWithoutASupplierIsIgnored) {
  Put(1, "شركة النيل");
  for (std::int32_t n : {0, -1, 2, 51}) {
    auto result = receipts::RenameSupplier(app, n, "شركة الدلتا");
    EXPECT_TRUE(result.refused()) << n;
    EXPECT_TRUE(result.message().empty()) << n;
  }
  EXPECT_EQ(receipts::FindSupplierByName(app, "شركة الدلتا"), 0);
  EXPECT_FALSE(Exists(kSupplierFile));
}

TEST_F(Suppliers, AFailedWriteIsReportedAndLeavesTheListAsItWas) {
  Put(1, "شركة النيل");
  BreakDataFolder();

  std::int32_t number = -1;
  auto added = receipts::AddSupplier(app, "شركة الدلتا", &number);
  EXPECT_TRUE(added.failed());
  EXPECT_NE(added.message().find(kSupplierFile), std::string::npos);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(receipts::FirstFreeSupplier(app), 2);

  auto renamed = receipts::RenameSupplier(app, 1, "شركة الدلتا");
  EXPECT_TRUE(renamed.failed());
  EXPECT_EQ(Name(1), "شركة النيل");
}

}  // namespace
