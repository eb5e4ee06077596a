#pragma once
// The repairs the main window runs each time it becomes active: tickets and
// receipts dated in the future take the date of the record before them, then
// the hourly balance recomputation.

#include "core/app.h"

namespace ui {

void RunActivationRepairs(core::App& app);

}  // namespace ui
