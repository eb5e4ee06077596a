#include "core/form_hospital_data.h"

#include <cstddef>
#include <string>
#include <utility>

#include "core/form_input_box.h"
#include "core/settings.h"
#include "core/tables.h"
#include "core/users.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "util/grid_helpers.h"

namespace core {
namespace {

constexpr std::int32_t kLastHospital = static_cast<std::int32_t>(storage::kMaxHospitals);

}  // namespace

FormHospitaldata::FormHospitaldata(App& app, RecipientSearch recipients)
    : app_(app), recipients_(std::move(recipients)) {
  util::FlxSetColumnWdth(Xxx, kColumnWidths);
  util::GridCenterAllColumns(Xxx);
  std::int32_t first = recipients_.firstFree ? recipients_.firstFree(app_) : 0;
  if (first > kLastHospital) first = kLastHospital;
  if (first > 1) --first;
  Show(first);
}

void FormHospitaldata::Show(std::int32_t hospital) {
  // No recipient: the screen stays as it is, so an edit can never land on a
  // record other than the one whose rows are shown.
  if (hospital < 1) return;
  if (hospital > kLastHospital) hospital = kLastHospital;
  lll_ = hospital;
  const auto n = static_cast<std::size_t>(hospital);
  textName_ = app_.patients().Contains(n) ? storage::CleanText(app_.patients()[n].name()) : "";

  const storage::HospitalRecord& record = app_.hospitals()[n];
  util::Grid::Batch batch(Xxx);
  Xxx.SetRows(1);
  const auto& drugs = app_.drugs();
  for (std::size_t d = 1; d <= storage::kMaxDrugs && d <= drugs.capacity(); ++d) {
    std::string name = drugs[d].drugName();
    if (name.empty()) continue;
    Xxx.AddRow();
    Xxx.SetRow(1, {std::to_string(d), std::move(name),
                   std::to_string(record.monthlyRequirement(static_cast<int>(d)))});
  }
  ColourRows();
  Xxx.SetTopRow(topRow_);
}

void FormHospitaldata::ColourRows() {
  util::Grid::Batch batch(Xxx);
  for (int row = 1; row < Xxx.Rows(); ++row) {
    if (Xxx.Number(row, 0) == 0) continue;
    util::GridRowForeColor(Xxx, row, Xxx.Number(row, 2) < 1 ? kNoNeedColour : kNeedColour);
  }
}

void FormHospitaldata::ClickLLL() {
  if (recipients_.choose) Show(recipients_.choose(app_));
}

void FormHospitaldata::ClickRow(int row) {
  if (row < 1 || row >= Xxx.Rows() || !IsHospitalNumber(lll_)) return;
  const std::int32_t drug = util::SafeLong(Xxx.Number(row, 0));
  if (!IsDrugNumber(drug)) return;
  topRow_ = Xxx.TopRow();
  const std::string answer = AskInput(app_, std::string(kRequirementTitle), Xxx.Text(row, 2));
  if (answer.empty()) return;
  const std::int32_t need = util::SafeLong(util::LeadingNumber(answer));
  app_.hospitals()[static_cast<std::size_t>(lll_)].setMonthlyRequirement(drug, need);
  unsaved_.insert(lll_);
  Xxx.SetText(row, 2, std::to_string(need));
  ColourRows();
  Xxx.SetTopRow(topRow_);
}

Result FormHospitaldata::Save() {
  const storage::IoStatus status = SaveHospital(app_, lll_);
  if (!app_.Report(status)) return Result::Failed(status.message());
  unsaved_.erase(lll_);
  DiscardUnsavedEdits();
  closed_ = true;
  return Result::Done();
}

void FormHospitaldata::Close() {
  DiscardUnsavedEdits();
  closed_ = true;
}

void FormHospitaldata::DiscardUnsavedEdits() {
  const auto file = app_.DataFile(storage::kHospitalFile);
  for (std::int32_t hospital : unsaved_) {
    const auto n = static_cast<std::size_t>(hospital);
    app_.Report(app_.hospitals().Load(file, n, n));
  }
  unsaved_.clear();
}

void OpenHospitalSubData(App& app, RecipientSearch recipients) {
  if (!IsAdministrationStore(app)) return;
  if (app.settings().currentUser() != 1) {
    app.interaction().ShowMessage(kFirstUserRightOnly);
    return;
  }
  FormHospitaldata screen(app, std::move(recipients));
  app.interaction().RunModal(screen);
  // However the window went away, nothing unwritten stays behind.
  if (!screen.closed()) screen.Close();
}

}  // namespace core
