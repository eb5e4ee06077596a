#pragma once
// Start-up: the caption of the start-up window and the sequence that creates
// the data folder and loads every record file in a fixed order.

#include <string>
#include <utility>
#include <vector>

#include "core/app.h"
#include "storage/record_file.h"

namespace core {

// The start-up caption: one more character of "Loading ...please wait    "
// per tick, starting again after 27 ticks.
class LoadingAnimation {
 public:
  static constexpr std::string_view kText = "Loading ...please wait    ";
  // Advances one tick and returns the caption to show.
  std::string Tick();
  int counter() const { return n_; }

 private:
  int n_ = 0;
};

// Creates the data folder and loads the settings and every table, in order,
// yielding to the user interface between steps. A file that cannot be read
// stops the sequence with its message; missing files load as blank tables.
storage::IoStatus RunStartupSequence(App& app);

// The number of records in use of each table loaded, for the summary of the
// command line's check.
std::vector<std::pair<std::string, long>> LoadedTableCounts(const App& app);

}  // namespace core
