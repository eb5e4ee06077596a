#include "dispensing/form_marid.h"

#include <cstddef>
#include <string>

#include "core/tables.h"
#include "dispensing/form_ptnt.h"
#include "storage/helpers.h"
#include "storage/ticket_record.h"
#include "util/dates.h"
#include "util/grid_helpers.h"
#include "util/numbers.h"
#include "util/platform.h"

namespace dispensing {
namespace {


void SetTicketHeaders(util::Grid& grid) {
  grid.SetCols(2);
  util::GridSetHeaders(grid, {FormMarid::kTicketCaption, FormMarid::kDateCaption});
  grid.SetColWidth(0, FormMarid::kTicketWidth);
  grid.SetColWidth(1, FormMarid::kDateWidth);
  util::GridCenterAllColumns(grid);
}

}  // namespace

void FillRecipientHistory(const core::App& app, std::int32_t patient, util::Grid& grid) {
  util::Grid::Batch batch(grid);
  SetTicketHeaders(grid);
  grid.SetRows(1);
  if (patient < 1) return;
  const auto& tickets = app.tickets();
  const auto wanted = static_cast<double>(patient);
  for (std::size_t n = 1, last = tickets.capacity(); n <= last; ++n) {
    const storage::TicketRecord& t = tickets[n];
    if (t.patientIndex() != wanted) continue;
    grid.AddRow();
    grid.SetText(1, 0, std::to_string(n));
    grid.SetText(1, 1, util::FormatDayMonthYear(util::DateOnly(t.ticketDate())));
  }
}

FormMarid::FormMarid(core::App& app) : app_(app) {
  const RecipientWords words = WordsForProgramType(app_.settings().programType());
  caption_ = words.historyCaption;
  prompt_ = words.historyPrompt;
  app_.Report(core::LoadPatients(app_));
  SetTicketHeaders(Xxx);
  util::GridSetHeaders(xxx2, {kDrugCaption, kDispensedCaption});
  xxx2.SetColWidth(0, kDrugWidth);
  xxx2.SetColWidth(1, kDispensedWidth);
  util::GridCenterAllColumns(xxx2);
  if (app_.chosenPatient > 0) ListRecipient(app_.chosenPatient);
}

void FormMarid::ClickPatient() {
  const std::int32_t chosen = ChooseRecipient(app_);
  if (chosen > 0) ListRecipient(chosen);
}

void FormMarid::ListRecipient(std::int32_t patient) {
  patient_ = patient;
  patientName_ = core::IsPatientNumber(patient) &&
                         app_.patients().Contains(static_cast<std::size_t>(patient))
                     ? storage::CleanText(app_.patients()[static_cast<std::size_t>(patient)].name())
                     : std::string();
  util::BusyPointer busy(app_.platform());
  FillRecipientHistory(app_, patient, Xxx);
}

void FormMarid::ClickTicket(int row) {
  if (row < 1 || row >= Xxx.Rows()) return;
  const std::int32_t ticket = util::SafeLong(util::LeadingNumber(Xxx.Text(row, 0)));
  util::Grid::Batch batch(xxx2);
  xxx2.SetColWidth(1, kDispensedWidthWithLines);
  xxx2.SetRows(1);
  xxx2.SetRows(1 + storage::TicketRecord::kLines);
  if (!core::IsTicketNumber(ticket)) return;
  const storage::TicketRecord& t = app_.tickets()[static_cast<std::size_t>(ticket)];
  for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
    const int drug = t.drugIndex(line);
    if (drug <= 0) continue;
    // A drug number outside the drug table (a damaged record) has no name.
    const bool known = core::IsDrugNumber(drug) &&
                       app_.drugs().Contains(static_cast<std::size_t>(drug));
    xxx2.SetText(line, 0, known ? app_.drugs()[static_cast<std::size_t>(drug)].drugName() : "");
    xxx2.SetText(line, 1, std::to_string(t.quantity(line)));
  }
}

void OpenRecipientHistory(core::App& app) {
  FormMarid screen(app);
  app.interaction().RunModal(screen);
}

}  // namespace dispensing
