// Writes a full-size synthetic data folder for benchmarks and load checks:
//   tormo-make-full-data PROGRAM_FOLDER

#include <iostream>

#include "bench/full_data.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tormo-make-full-data PROGRAM_FOLDER\n";
    return 2;
  }
  auto status = bench_data::WriteFullDataFolder(argv[1]);
  if (!status) {
    std::cerr << status.message() << "\n";
    return 1;
  }
  return 0;
}
