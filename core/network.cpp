#include "core/network.h"

#include <string>

#include "storage/data_files.h"
#include "util/dates.h"
#include "util/files.h"
#include "util/numbers.h"

namespace core {

void WriteNetworkStamp(App& app) {
  if (!app.RunningFromNetwork()) return;
  util::WriteTextFile(app.DataFile(storage::kNetworkStampFile),
                      std::to_string(util::DateSerialNumber(app.Now())));
}

bool NetworkActive(const App& app) {
  double stamp = util::LeadingNumber(util::ReadTextFile(app.DataFile(storage::kNetworkStampFile)));
  return stamp > app.Now() - 15;
}

}  // namespace core
