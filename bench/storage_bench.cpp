// Start-up with a full ticket file, and the code page conversions every text
// field goes through.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "core/app.h"
#include "core/startup.h"
#include "storage/cp1256.h"
#include "storage/data_files.h"
#include "storage/ticket_record.h"
#include "tests/support/fakes.h"

namespace {

// A program folder whose ticket file holds all 500000 tickets.
class FullTicketFolder {
 public:
  FullTicketFolder() : platform_(folder_.path()) {
    auto data = platform_.programFolder / "Files" / "DBI";
    std::filesystem::create_directories(data);
    storage::TicketTable tickets(storage::kMaxTickets);
    for (std::size_t n = 1; n <= storage::kMaxTickets; ++n) {
      tickets[n].setDrugIndex(1, static_cast<std::int16_t>(1 + n % 1500));
      tickets[n].setQuantity(1, 2);
      tickets[n].setState(-1);
      tickets[n].setTicketDate(45000.5 + static_cast<double>(n % 700));
    }
    if (!tickets.SaveTable(data / storage::kTicketFile)) std::abort();
  }
  testing_support::FakePlatform& platform() { return platform_; }

 private:
  testing_support::TempFolder folder_;
  testing_support::FakePlatform platform_;
};

void BM_StartupWithFullTicketFile(benchmark::State& state) {
  FullTicketFolder folder;
  testing_support::FakeClock clock;
  testing_support::ScriptedInteraction ui;
  for (auto _ : state) {
    core::App app(clock, folder.platform(), ui);
    auto status = core::RunStartupSequence(app);
    if (!status) state.SkipWithError(status.message().c_str());
    benchmark::DoNotOptimize(app.settings().ticketCount());
  }
}
BENCHMARK(BM_StartupWithFullTicketFile)->Unit(benchmark::kMillisecond);

void BM_DecodeCp1256Name(benchmark::State& state) {
  auto bytes = storage::EncodeCp1256("اموكسيسيللين 500 مجم كبسول                    ");
  for (auto _ : state) benchmark::DoNotOptimize(storage::DecodeCp1256(bytes));
}
BENCHMARK(BM_DecodeCp1256Name);

void BM_EncodeCp1256Name(benchmark::State& state) {
  std::string name = "اموكسيسيللين 500 مجم كبسول";
  for (auto _ : state) benchmark::DoNotOptimize(storage::EncodeCp1256(name));
}
BENCHMARK(BM_EncodeCp1256Name);

}  // namespace
