#include "core/startup.h"

#include "core/settings.h"
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

  return storage::IoStatus::Ok();
}

std::vector<std::pair<std::string, long>> LoadedTableCounts(const App& app) {
  long tickets = 0;
  auto count = static_cast<std::size_t>(app.settings().ticketCount());
  for (std::size_t n = 1; n <= count && n <= app.tickets().capacity(); ++n) {
    if (!app.tickets()[n].IsEmpty()) ++tickets;
  }
  return {{"settings", 1}, {"tickets", tickets}};
}

}  // namespace core
