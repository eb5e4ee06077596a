// Full-size figures: the start-up load against reading the same bytes, the
// balance recomputation against a plain sum of the same line quantities,
// and the everyday writes. The data folder is generated once per run.

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "bench/full_data.h"
#include "core/app.h"
#include "core/startup.h"
#include "core/tables.h"
#include "dispensing/ticket_money.h"
#include "dispensing/ticket_table.h"
#include "drugs/balance_recompute.h"
#include "storage/cp1256.h"
#include "storage/data_files.h"
#include "tests/support/fakes.h"

namespace {

// The generated program folder and one run loaded from it, shared by the
// benchmarks of this binary.
struct FullFolder {
  testing_support::TempFolder folder;
  testing_support::FakePlatform platform{folder.path()};
  testing_support::FakeClock clock{45800.5};
  testing_support::ScriptedInteraction ui;
  std::unique_ptr<core::App> app;

  FullFolder() {
    auto status = bench_data::WriteFullDataFolder(platform.programFolder);
    if (!status) {
      std::cerr << status.message() << "\n";
      std::abort();
    }
    app = std::make_unique<core::App>(clock, platform, ui);
    if (!core::RunStartupSequence(*app)) std::abort();
  }
};

FullFolder& Full() {
  static FullFolder full;
  return full;
}

void BM_ReadDataFileBytes(benchmark::State& state) {
  auto& full = Full();
  auto folder = full.app->DataFolder();
  const char* files[] = {storage::kSettingsFile, storage::kTicketFile, storage::kReceiptFile,
                         storage::kDrugFile,     storage::kSupplierFile, storage::kHospitalFile,
                         storage::kPatientFile};
  for (auto _ : state) {
    std::size_t total = 0;
    for (const char* name : files) {
      std::ifstream in(folder / name, std::ios::binary);
      auto size = static_cast<std::size_t>(std::filesystem::file_size(folder / name));
      std::vector<char> bytes(size);
      in.read(bytes.data(), static_cast<std::streamsize>(size));
      total += bytes.size();
      benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(total);
  }
}
BENCHMARK(BM_ReadDataFileBytes)->Unit(benchmark::kMillisecond);

void BM_StartupLoad(benchmark::State& state) {
  auto& full = Full();
  for (auto _ : state) {
    core::App app(full.clock, full.platform, full.ui);
    if (!core::RunStartupSequence(app)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(app.settings().ticketCount());
  }
}
BENCHMARK(BM_StartupLoad)->Unit(benchmark::kMillisecond);

void BM_PlainLineSum(benchmark::State& state) {
  auto& app = *Full().app;
  for (auto _ : state) {
    std::int64_t sum = 0;
    for (std::size_t t = 1; t <= app.tickets().capacity(); ++t) {
      for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
        sum += app.tickets()[t].quantity(line);
      }
    }
    for (std::size_t r = 1; r <= app.receipts().capacity(); ++r) {
      for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
        sum += app.receipts()[r].lineQuantity(line);
      }
    }
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_PlainLineSum)->Unit(benchmark::kMillisecond);

// The generated balances are already right and every document is closed, so
// the recomputation finds nothing to write.
void BM_RecomputeBalances(benchmark::State& state) {
  auto& app = *Full().app;
  for (auto _ : state) {
    auto result = drugs::RecomputeBalances(app, /*force=*/true);
    if (result.changed != 0) state.SkipWithError("balances were not settled");
    benchmark::DoNotOptimize(result.changed);
  }
}
BENCHMARK(BM_RecomputeBalances)->Unit(benchmark::kMillisecond);

// Every generated ticket is used, so the search runs through all 500000.
void BM_FirstFreeTicket(benchmark::State& state) {
  auto& app = *Full().app;
  for (auto _ : state) benchmark::DoNotOptimize(dispensing::FirstFreeTicket(app));
}
BENCHMARK(BM_FirstFreeTicket)->Unit(benchmark::kMillisecond);

void BM_DecisionTotal(benchmark::State& state) {
  auto& app = *Full().app;
  std::int32_t decision = app.tickets()[123456].decisionNumber();
  for (auto _ : state) benchmark::DoNotOptimize(dispensing::DecisionTotal(app, decision));
}
BENCHMARK(BM_DecisionTotal)->Unit(benchmark::kMillisecond);

void BM_SaveAllDrugs(benchmark::State& state) {
  auto& app = *Full().app;
  for (auto _ : state) {
    if (!core::SaveAllDrugs(app)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_SaveAllDrugs)->Unit(benchmark::kMillisecond);

void BM_SaveTicket(benchmark::State& state) {
  auto& app = *Full().app;
  std::int32_t n = 250000;
  for (auto _ : state) {
    if (!core::SaveTicket(app, n)) state.SkipWithError("write failed");
  }
}
BENCHMARK(BM_SaveTicket)->Unit(benchmark::kMicrosecond);

void BM_DecodeCp1256Name(benchmark::State& state) {
  auto bytes = storage::EncodeCp1256("اموكسيسيللين 500 مجم كبسول                    ");
  for (auto _ : state) benchmark::DoNotOptimize(storage::DecodeCp1256(bytes));
}
BENCHMARK(BM_DecodeCp1256Name);

}  // namespace
