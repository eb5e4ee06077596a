#include "ui/main_services.h"

#include "dispensing/ticket_table.h"
#include "ui/activation_repairs.h"

namespace ui {

ProgramServices::ProgramServices(core::App& app) : app_(app) {
  // Each screen registers its opener here as it joins the program; the
  // main window's entries and buttons of the others stay disabled.
}

bool ProgramServices::Has(core::Screen screen) const { return openers_.contains(screen); }

void ProgramServices::Open(core::Screen screen) {
  auto it = openers_.find(screen);
  if (it != openers_.end()) it->second();
}

void ProgramServices::RunActivationRepairs() { ui::RunActivationRepairs(app_); }

core::OpenTickets ProgramServices::OpenTicketsBefore(util::OleDate day) {
  auto report = dispensing::UnsavedTicketsReport(app_, day);
  return {report.count, std::move(report.text)};
}

}  // namespace ui
