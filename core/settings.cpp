#include "core/settings.h"

#include "storage/data_files.h"

namespace core {

storage::IoStatus LoadSettings(App& app) {
  auto status = app.settingsTable().Load(app.DataFile(storage::kSettingsFile));
  app.settings().setCurrentUser(0);
  return status;
}

storage::IoStatus SaveSettings(const App& app) {
  return app.settingsTable().SaveRecord(app.DataFile(storage::kSettingsFile), 1);
}

bool IsStateExpense(const App& app) { return app.settings().programType() == kStateExpense; }
bool IsOutpatient(const App& app) { return app.settings().programType() == kOutpatient; }
bool IsHospitalStore(const App& app) { return app.settings().programType() == kHospitalStore; }
bool IsAdministrationStore(const App& app) {
  return app.settings().programType() == kAdministrationStore;
}

}  // namespace core
