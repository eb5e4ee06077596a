#include "maintenance/form_end.h"

namespace maintenance {

void FormEnd::Activate() {
  if (ran_) return;
  ran_ = true;
  backupsDue_ = app_.Now() - app_.startTime >= kShortestRunForBackups;
  app_.RequestExit();
}

}  // namespace maintenance
