#include "ui/main_services.h"

#include "core/form_hospital_data.h"
#include "dispensing/form_marid.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/form_oot.h"
#include "dispensing/form_ptnt.h"
#include "dispensing/patients.h"
#include "dispensing/ticket_table.h"
#include "drugs/drug_import.h"
#include "drugs/form_drg.h"
#include "receipts/balance_correction.h"
#include "receipts/form_inn.h"
#include "receipts/form_rasid_start.h"
#include "ui/activation_repairs.h"

namespace ui {

ProgramServices::ProgramServices(core::App& app) : app_(app) {
  // Each screen registers its opener here as it joins the program; the
  // main window's entries and buttons of the others stay disabled.
  using core::Screen;
  openers_[Screen::RecipientEditor] = [&app] { dispensing::OpenRecipientEditor(app); };
  openers_[Screen::RecipientHistory] = [&app] { dispensing::OpenRecipientHistory(app); };
  openers_[Screen::HospitalSubData] = [&app] {
    core::OpenHospitalSubData(app, {dispensing::FirstFreePatient, dispensing::ChooseRecipient});
  };
  openers_[Screen::Drugs] = [&app] { drugs::OpenDrugScreen(app); };
  openers_[Screen::SpreadsheetImport] = [&app] { drugs::ImportDrugsFromDesktop(app); };
  openers_[Screen::Tickets] = [&app] { dispensing::OpenTicketScreen(app); };
  openers_[Screen::Receipts] = [&app] { receipts::OpenReceiptScreen(app); };
  openers_[Screen::OpeningBalance] = [&app] { receipts::OpenOpeningBalance(app); };
  openers_[Screen::BalanceCorrection] = [&app] { receipts::RunBalanceCorrection(app); };
  openers_[Screen::OpeningBalanceHelp] = [&app] { receipts::ShowOpeningBalanceHelp(app); };
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
