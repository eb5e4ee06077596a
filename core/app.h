#pragma once
// One program run: the folders, the settings record, every table, the shared
// slots that screens and dialogs exchange values through, and the seams to
// the clock, the platform and the user. Passed by reference; nothing of a run
// lives in global variables.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "storage/drug_record.h"
#include "storage/hospital_record.h"
#include "storage/name_records.h"
#include "storage/receipt_record.h"
#include "storage/record_file.h"
#include "storage/settings_record.h"
#include "storage/ticket_record.h"
#include "util/clock.h"
#include "util/interaction.h"
#include "util/platform.h"
#include "util/print_device.h"

namespace core {

class App {
 public:
  // Without a printer device the run records what it would print (the
  // command line and tests); the program passes the real device.
  App(util::Clock& clock, util::Platform& platform, util::Interaction& interaction,
      util::PrintDevice* printer = nullptr);
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  util::Clock& clock() const { return clock_; }
  util::Platform& platform() const { return platform_; }
  util::Interaction& interaction() const { return interaction_; }
  util::PrintDevice& printer() const { return *printer_; }
  util::OleDate Now() const { return clock_.Now(); }

  std::filesystem::path ProgramFolder() const { return platform_.ProgramFolder(); }
  // "Files/DBI/" under the program folder.
  std::filesystem::path DataFolder() const;
  std::filesystem::path DataFile(std::string_view name) const;
  bool RunningFromNetwork() const { return platform_.RunningFromNetwork(); }

  storage::SettingsRecord& settings() { return settings_[1]; }
  const storage::SettingsRecord& settings() const { return settings_[1]; }
  storage::SettingsTable& settingsTable() { return settings_; }
  const storage::SettingsTable& settingsTable() const { return settings_; }
  storage::TicketTable& tickets() { return *tickets_; }
  const storage::TicketTable& tickets() const { return *tickets_; }
  storage::ReceiptTable& receipts() { return receipts_; }
  const storage::ReceiptTable& receipts() const { return receipts_; }
  storage::DrugTable& drugs() { return drugs_; }
  const storage::DrugTable& drugs() const { return drugs_; }
  storage::SupplierTable& suppliers() { return suppliers_; }
  const storage::SupplierTable& suppliers() const { return suppliers_; }
  storage::PatientTable& patients() { return patients_; }
  const storage::PatientTable& patients() const { return patients_; }
  storage::HospitalTable& hospitals() { return hospitals_; }
  const storage::HospitalTable& hospitals() const { return hospitals_; }

  // Shows the message of a failed file operation; true when it succeeded.
  bool Report(const storage::IoStatus& status);

  // Ends the program: the window system leaves its event loop, a test reads
  // the flag.
  void RequestExit();
  bool ExitRequested() const { return exitRequested_; }
  void SetExitHandler(std::function<void()> handler) { exitHandler_ = std::move(handler); }

  // When the start-up window loaded; the close path compares with it.
  util::OleDate startTime = 0;

  // When the balances were last recomputed in full, and in memory only for
  // network mode (0 until the first time in this run).
  util::OleDate lastBalanceRecompute = 0;
  util::OleDate lastNetworkRecompute = 0;

  // Shared slots of the screens and dialogs.
  std::int32_t currentDrugNo = 0;
  std::int32_t chosenItemNo = 0;
  std::int32_t chosenPatient = 0;
  std::string dialogResult;
  util::OleDate chosenDay = 0;
  // Set while the login window is shown: a second login request does nothing.
  bool loginWindowOpen = false;

 private:
  util::Clock& clock_;
  util::Platform& platform_;
  util::Interaction& interaction_;
  std::unique_ptr<util::PrintDevice> ownPrinter_;
  util::PrintDevice* printer_;
  storage::SettingsTable settings_{1};
  std::unique_ptr<storage::TicketTable> tickets_;
  storage::ReceiptTable receipts_;
  storage::DrugTable drugs_;
  storage::SupplierTable suppliers_;
  storage::PatientTable patients_;
  storage::HospitalTable hospitals_;
  bool exitRequested_ = false;
  std::function<void()> exitHandler_;
};

}  // namespace core
