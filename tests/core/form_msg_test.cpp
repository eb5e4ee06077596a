#include <gtest/gtest.h>

#include "core/form_msg.h"
#include "tests/core/core_fixture.h"

namespace {

using TextWindow = core_test::AppFixture;

TEST_F(TextWindow, ShowsTheTitleAndTheLinesEachEndedByALineBreak) {
  std::string title, body;
  ui.screens["FFFMSG"] = [&](util::ModalScreen& s) {
    auto& window = static_cast<core::FormMsg&>(s);
    title = window.title();
    body = window.body();
  };
  core::ShowTextWindow(app, "مساعدة", core::JoinLines({"اولا", "", "ثانيا"}));
  EXPECT_EQ(title, "مساعدة");
  EXPECT_EQ(body, "اولا\r\n\r\nثانيا\r\n");
}

}  // namespace
