#pragma once
// The control menu's balance correction: the stored balances are rebuilt
// from the opening balances and every document, the drug file is written and
// the program ends; the next start loads everything again.

#include <string_view>

#include "core/app.h"

namespace receipts {

inline constexpr std::string_view kBalancesCorrected =
    "تم حفظ كافة تذاكر الطلب والصرف وتم ضبط الرصيد اللحظي مع الرصيد التجميعي";

// The hourly recomputation (nothing within an hour of the last one: the
// first activation of the next run does the work), the drug file written,
// the message, and the end of the program. When a file cannot be written its
// message is shown instead of kBalancesCorrected; the program ends all the
// same, and the next start recomputes from the files.
void RunBalanceCorrection(core::App& app);

}  // namespace receipts
