#include "core/app.h"

#include "storage/data_files.h"
#include "util/recording_print_device.h"

namespace core {

App::App(util::Clock& clock, util::Platform& platform, util::Interaction& interaction,
         util::PrintDevice* printer)
    : clock_(clock),
      platform_(platform),
      interaction_(interaction),
      ownPrinter_(printer ? nullptr : std::make_unique<util::RecordingPrintDevice>()),
      printer_(printer ? printer : ownPrinter_.get()),
      tickets_(std::make_unique<storage::TicketTable>(storage::kMaxTickets)),
      receipts_(storage::kMaxReceipts),
      drugs_(storage::kMaxDrugs),
      suppliers_(storage::kMaxSuppliers),
      patients_(storage::kMaxPatients),
      hospitals_(storage::kMaxHospitals) {}

std::filesystem::path App::DataFolder() const {
  return ProgramFolder() / "Files" / "DBI" / "";
}

std::filesystem::path App::DataFile(std::string_view name) const {
  return DataFolder() / std::string(name);
}

bool App::Report(const storage::IoStatus& status) {
  if (status) return true;
  interaction_.ShowMessage(status.message(), util::MessageIcon::Error);
  return false;
}

void App::RequestExit() {
  if (exitRequested_) return;
  exitRequested_ = true;
  if (exitHandler_) exitHandler_();
}

}  // namespace core
