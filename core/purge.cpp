#include "core/purge.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/settings.h"
#include "core/tables.h"
#include "core/users.h"
#include "storage/data_files.h"
#include "util/dates.h"

namespace core {
namespace {

// Tickets are written in blocks of this many records, the user interface
// getting its turn between blocks.
constexpr std::size_t kTicketBlock = 10000;
static_assert(storage::kMaxTickets % kTicketBlock == 0);

// Writes records 1..500000 of the ticket file as empty records, in place,
// and cuts off anything past them.
storage::IoStatus WriteEmptyTickets(App& app, const PurgeProgress& progress) {
  const auto file = app.DataFile(storage::kTicketFile);
  constexpr std::size_t kBlockBytes = kTicketBlock * storage::TicketRecord::kLength;
  const std::vector<std::uint8_t> empty(kBlockBytes, 0);
  const auto total = static_cast<std::int32_t>(storage::kMaxTickets);
  if (progress) progress(0, total);
  for (std::size_t block = 1; block * kTicketBlock <= storage::kMaxTickets; ++block) {
    // Block n of kBlockBytes is records (n - 1) * kTicketBlock + 1 ..
    // n * kTicketBlock of the file.
    auto status = storage::WriteRecord(file, kBlockBytes, block, empty);
    if (!status) return status;
    if (progress) progress(static_cast<std::int32_t>(block * kTicketBlock), total);
    app.platform().Yield();
  }
  std::error_code ec;
  std::filesystem::resize_file(file, storage::kMaxTickets * storage::TicketRecord::kLength, ec);
  return storage::IoStatus::Ok();
}

storage::IoStatus PurgeTables(App& app, PurgeKind kind, const PurgeProgress& progress) {
  app.tickets() = storage::TicketTable(storage::kMaxTickets);
  if (auto s = WriteEmptyTickets(app, progress); !s) return s;

  app.receipts().Clear();
  if (auto s = app.receipts().SaveTable(app.DataFile(storage::kReceiptFile)); !s) return s;

  if (kind == PurgeKind::AllData) {
    app.drugs().Clear();
  } else {
    for (std::size_t d = 1; d <= app.drugs().capacity(); ++d) {
      auto& drug = app.drugs()[d];
      drug.setBalance(0);
      drug.setExpiryDate(0);
      drug.setOpeningBalance(0);
    }
  }
  if (auto s = SaveAllDrugs(app); !s) return s;

  auto& settings = app.settings();
  settings.setTicketCount(static_cast<std::int32_t>(storage::kMaxTickets));
  settings.setAnchorDate(util::MakeDate(2021, 1, 1));
  settings.setProgramType(kNoProgramType);
  for (int user = 1; user <= storage::SettingsRecord::kUsers; ++user) {
    settings.setUserPassword(user, kDefaultPassword);
  }
  if (auto s = SaveSettings(app); !s) return s;

  DeleteSupplierFile(app);

  app.patients().Clear();
  return SavePatients(app);
}

}  // namespace

bool Purge(App& app, PurgeKind kind, const PurgeProgress& progress) {
  auto& ui = app.interaction();
  if (app.settings().currentUser() != kTechnicalSupport) {
    ui.ShowMessage(kNeedTechnicalSupport);
    return false;
  }
  if (ui.AskYesNo(kPurgeQuestion) != util::Answer::Yes) return false;

  app.platform().SetBusyCursor(true);
  auto status = PurgeTables(app, kind, progress);
  app.platform().SetBusyCursor(false);
  app.Report(status);
  app.RequestExit();
  return status.ok();
}

}  // namespace core
