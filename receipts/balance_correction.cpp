#include "receipts/balance_correction.h"

#include "core/tables.h"
#include "drugs/balance_recompute.h"

namespace receipts {

void RunBalanceCorrection(core::App& app) {
  const drugs::RecomputeResult recomputed = drugs::RecomputeBalances(app);
  if (app.Report(recomputed.status) && app.Report(core::SaveAllDrugs(app))) {
    app.interaction().ShowMessage(kBalancesCorrected);
  }
  app.RequestExit();
}

}  // namespace receipts
