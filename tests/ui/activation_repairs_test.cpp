#include <gtest/gtest.h>

#include "core/form_main.h"
#include "ui/main_services.h"
#include "tests/support/fakes.h"

namespace {

TEST(ActivationRepairs, FutureDatesAreRepairedAndBalancesRecomputedHourly) {
  testing_support::TempFolder folder;
  testing_support::FakeClock clock(46000.5);
  testing_support::FakePlatform platform(folder.path());
  testing_support::ScriptedInteraction ui;
  core::App app(clock, platform, ui);
  std::filesystem::create_directories(platform.programFolder / "Files" / "DBI");
  app.settings().setProgramType(1002);
  app.settings().setTicketCount(20000);

  app.drugs()[1].setDrugName("دواء");
  app.drugs()[1].setOpeningBalance(100);
  for (std::size_t n : {1, 2}) {
    app.tickets()[n].setDrugIndex(1, 1);
    app.tickets()[n].setQuantity(1, 10);
    app.tickets()[n].setState(-1);
  }
  app.tickets()[1].setTicketDate(45999.4);
  app.tickets()[2].setTicketDate(46003.0);  // dated in the future
  app.receipts()[1].setLineDrug(1, 1);
  app.receipts()[1].setLineQuantity(1, 5);
  app.receipts()[1].setReceiptState(-1);
  app.receipts()[1].setReceiptDate(46010.0);

  ui::ProgramServices services(app);
  core::FormMain main(app, services);
  main.Activate();

  EXPECT_EQ(app.tickets()[2].ticketDate(), 45999.4);
  EXPECT_EQ(app.receipts()[1].receiptDate(), 0.0);
  EXPECT_EQ(app.drugs()[1].balance(), 85);
  EXPECT_TRUE(ui.messages.empty());

  // Within the hour a changed opening balance waits for the next recomputation.
  app.drugs()[1].setOpeningBalance(200);
  clock.Advance(30.0 / 1440);
  main.Activate();
  EXPECT_EQ(app.drugs()[1].balance(), 85);
  clock.Advance(31.0 / 1440);
  main.Activate();
  EXPECT_EQ(app.drugs()[1].balance(), 185);
}

}  // namespace
