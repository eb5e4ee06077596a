#pragma once
// What the main window reaches in the modules above the core: their screens
// and actions, the repairs run at each activation, and the count of open
// tickets the anchor date needs. The program supplies the real ones; tests
// record the calls.

#include <cstdint>
#include <string>

#include "util/clock.h"

namespace core {

// The screens and actions the main window opens.
enum class Screen {
  Drugs,             // the drug screen
  Receipts,          // the receipt screen
  Tickets,           // the ticket screen (program types 1001..1003)
  Store,             // the store screen (program type 1004)
  DailyReport,
  MonthlyReport,
  StagnantReport,
  OpeningBalance,
  BalanceCorrection,
  SpreadsheetImport,
  RecipientEditor,
  RecipientHistory,
  HospitalSubData,
  MonthlyAccounts,
  DetailedStatistics,
  DrugReport,
  DrugPanorama,
  AverageUse,
  Form44,
  PatientsAndDrugs,
  ExpiryDates,
  PatientDrugsInPeriod,
  Form118,
  VariousReports,
  ShortageReport,
  BalancesAndRates,
  HandoverTwoColumns,
  HandoverOneColumn,
  BackupsFolder,
  CopyProgram,
  ExceptionalClose,
  CleanDisk,
  ImportKelo,
  ImportBru,
  ImportStore,
  InstallGridComponent,
  DownloadUpdate,
  RemoteSupport,
  OpeningBalanceHelp,
};

// The open tickets of days before a given day: how many, and the report
// text that lists them.
struct OpenTickets {
  std::int32_t count = 0;
  std::string text;
};

class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;
  // Whether the screen or action is part of the program (its menu entry or
  // button is enabled).
  virtual bool Has(Screen screen) const = 0;
  virtual void Open(Screen screen) = 0;
  // Future-dated tickets and receipts, then the hourly recomputation.
  virtual void RunActivationRepairs() = 0;
  virtual OpenTickets OpenTicketsBefore(util::OleDate day) = 0;
};

}  // namespace core
