#include "core/startup.h"

#include "core/settings.h"
#include "core/tables.h"
#include "storage/data_files.h"
#include "storage/helpers.h"

namespace core {

std::string LoadingAnimation::Tick() {
  ++n_;
  if (n_ > static_cast<int>(kText.size())) n_ = 0;
  return std::string(kText.substr(0, static_cast<std::size_t>(n_)));
}

storage::IoStatus RunStartupSequence(App& app) {
  auto& platform = app.platform();
  bool network = app.RunningFromNetwork();

  // 1. The data folder, one level at a time ("Files" first when missing).
  storage::MakeFolder((app.ProgramFolder() / "Files").string(), network);
  storage::MakeFolder(app.DataFolder().string(), network);
  platform.Yield();

  // 2. The settings record; every run starts with nobody logged in.
  if (auto s = LoadSettings(app); !s) return s;
  platform.Yield();

  // 3. Tickets: probe how many records are in use, then read them.
  storage::IoStatus probeStatus;
  auto ticketFile = app.DataFile(storage::kTicketFile);
  std::int32_t count = storage::ProbeTicketCount(ticketFile, app.tickets(), &probeStatus);
  if (!probeStatus) return probeStatus;
  if (auto s = storage::LoadTickets(ticketFile, app.tickets(), count, [&] { platform.Yield(); });
      !s) {
    return s;
  }
  app.settings().setTicketCount(count);
  platform.Yield();

  // 4. The other tables, in this order. The therapeutic groups are a fixed
  // list and need no loading.
  for (auto load : {LoadReceipts, LoadDrugs, LoadSuppliers, LoadHospitals, LoadPatients}) {
    if (auto s = load(app); !s) return s;
    platform.Yield();
  }
  return storage::IoStatus::Ok();
}

namespace {

template <class Table, class Used>
long CountUsed(const Table& table, std::size_t last, Used used) {
  long count = 0;
  for (std::size_t n = 1; n <= last && n <= table.capacity(); ++n) {
    if (used(table[n])) ++count;
  }
  return count;
}

}  // namespace

std::vector<std::pair<std::string, long>> LoadedTableCounts(const App& app) {
  auto all = [](const auto& table) { return table.capacity(); };
  return {
      {"settings", 1},
      {"tickets", CountUsed(app.tickets(), static_cast<std::size_t>(app.settings().ticketCount()),
                            [](const auto& t) { return !t.IsEmpty(); })},
      {"receipts",
       CountUsed(app.receipts(), all(app.receipts()), [](const auto& r) { return !r.IsFree(); })},
      {"drugs", CountUsed(app.drugs(), all(app.drugs()), [](const auto& d) { return !d.IsFree(); })},
      {"suppliers",
       CountUsed(app.suppliers(), all(app.suppliers()), [](const auto& s) { return !s.IsFree(); })},
      {"hospitals", CountUsed(app.hospitals(), all(app.hospitals()),
                              [](const auto& h) {
                                for (int d = 1; d <= storage::HospitalRecord::kDrugs; ++d) {
                                  if (h.monthlyRequirement(d) != 0) return true;
                                }
                                return false;
                              })},
      {"patients",
       CountUsed(app.patients(), all(app.patients()), [](const auto& p) { return !p.IsFree(); })},
  };
}

}  // namespace core
