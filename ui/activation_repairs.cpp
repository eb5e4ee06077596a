#include "ui/activation_repairs.h"

#include "dispensing/ticket_table.h"
#include "drugs/balance_recompute.h"
#include "receipts/receipt_table.h"

namespace ui {

void RunActivationRepairs(core::App& app) {
  // The date repairs keep going past a record they cannot write; the next
  // activation tries it again.
  (void)dispensing::FixFutureDates(app);
  (void)receipts::FixFutureReceiptDates(app);
  auto recompute = drugs::RecomputeBalances(app);
  app.Report(recompute.status);
}

}  // namespace ui
