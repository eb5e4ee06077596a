#pragma once
// A full-size synthetic data folder: 1500 drugs, 5000 receipts of 30 lines,
// 500000 tickets of 1..30 lines, 30000 recipients, 500 hospitals and 50
// suppliers, the same for the same seed.

#include <cstdint>
#include <filesystem>

#include "storage/record_file.h"

namespace bench_data {

struct FullDataOptions {
  std::uint32_t seed = 20261211;
  std::size_t tickets = 500000;
};

// Writes the record files into programFolder/Files/DBI/ (created when
// missing), replacing what is there.
storage::IoStatus WriteFullDataFolder(const std::filesystem::path& programFolder,
                                      const FullDataOptions& options = {});

}  // namespace bench_data
