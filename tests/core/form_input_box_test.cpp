#include <gtest/gtest.h>

#include "core/form_input_box.h"
#include "tests/core/core_fixture.h"

namespace {

using InputBox = core_test::AppFixture;

TEST_F(InputBox, OpeningEmptiesTheResultAndOkOrCancelSetsIt) {
  app.dialogResult = "left over";
  core::FormInputBox box(app, "ادخل المطلوب", "12");
  EXPECT_EQ(app.dialogResult, "");
  EXPECT_EQ(box.userInput(), "12");

  box.SetUserInput("30");
  box.Ok();
  EXPECT_TRUE(box.closed());
  EXPECT_EQ(app.dialogResult, "30");

  core::FormInputBox cancelled(app, "t", "99");
  cancelled.Cancel();
  EXPECT_EQ(app.dialogResult, "");
}

TEST_F(InputBox, HelpShowsTheCallersText) {
  core::FormInputBox box(app, "t", "", "اتصل بالدعم");
  box.Help();
  core::FormInputBox plain(app, "t");
  plain.Help();
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"اتصل بالدعم", ""}));
}

TEST_F(InputBox, AskInputRunsTheDialogAndReturnsItsResult) {
  ui.screens["FFFIB"] = [](util::ModalScreen& s) {
    auto& box = static_cast<core::FormInputBox&>(s);
    box.SetUserInput(box.userInput() + "5");
    box.Ok();
  };
  EXPECT_EQ(core::AskInput(app, "عدد", "4"), "45");
  ui.screens.erase("FFFIB");  // closed without an answer
  EXPECT_EQ(core::AskInput(app, "عدد", "4"), "");
}

}  // namespace
