// The therapeutic-group list and the unit list.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drugs/drug_table.h"
#include "drugs/form_pharm.h"
#include "drugs/form_unitdesc.h"
#include "tests/drugs/drugs_fixture.h"

namespace {

using drugs::FormPharm;
using drugs::FormUnitdesc;

class PickLists : public drugs_test::DrugsFixture {};

TEST_F(PickLists, TheGroupListHoldsEveryGroupInArabicOrder) {
  FormPharm list(app);

  ASSERT_EQ(list.list().size(), 82U);
  // Alef with hamza sorts with alef: "أدوية ..." before "الأنسولين".
  EXPECT_EQ(list.list().front().rfind("أدوية", 0), 0U) << list.list().front();
  EXPECT_EQ(list.list().back(), "هرمونات الغدة الدرقية");
  std::vector<std::string> sorted = list.list();
  std::vector<std::string> groups;
  for (auto name : drugs::TherapeuticGroups()) {
    if (!name.empty()) groups.emplace_back(name);
  }
  std::sort(sorted.begin(), sorted.end());
  std::sort(groups.begin(), groups.end());
  EXPECT_EQ(sorted, groups);
}

TEST_F(PickLists, AClickOnAGroupAnswersItsNumberAndCloses) {
  app.chosenItemNo = 0;
  FormPharm list(app);
  const auto& names = list.list();
  auto insulin = std::find(names.begin(), names.end(), "الأنسولين");
  ASSERT_NE(insulin, names.end());

  list.ClickItem(static_cast<int>(insulin - names.begin()));

  EXPECT_EQ(app.chosenItemNo, 60);
  EXPECT_TRUE(list.closed());
}

TEST_F(PickLists, TheUnitListStartsWithTheNoChoiceMarkAndAnswersTheClickedName) {
  app.dialogResult = "قرص";
  FormUnitdesc list(app);

  EXPECT_EQ(app.dialogResult, "16711935");
  EXPECT_EQ(list.list(), (std::vector<std::string>{
                             "قرص", "كبسولة", "فيال", "امبولة", "انبوبة", "زجاجة", "بكرة", "بالعدد",
                             "جهاز", "شريط", "جركن", "جرام", "علبة", "لبوسة", "كيس", "امبول"}));

  list.ClickItem(3);

  EXPECT_EQ(app.dialogResult, "امبولة");
  EXPECT_TRUE(list.closed());
}

}  // namespace
