#include "dispensing/patients.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/tables.h"
#include "storage/cp1256.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "util/files.h"
#include "util/numbers.h"

namespace dispensing {
namespace {

std::size_t LastPatient(const core::App& app) {
  return std::min(app.patients().capacity(), storage::kMaxPatients);
}

}  // namespace

std::int32_t FirstFreePatient(const core::App& app) {
  const auto& patients = app.patients();
  for (std::size_t n = 1, last = LastPatient(app); n <= last; ++n) {
    if (patients[n].IsFree()) return static_cast<std::int32_t>(n);
  }
  return 0;
}

std::int32_t FindPatientByName(const core::App& app, std::string_view name) {
  const std::string wanted = storage::CleanText(name);
  if (wanted.empty()) return 0;
  const auto& patients = app.patients();
  for (std::size_t n = 1, last = LastPatient(app); n <= last; ++n) {
    if (storage::CleanText(patients[n].name()) == wanted) return static_cast<std::int32_t>(n);
  }
  return 0;
}

std::string ClassificationText(std::string_view value) {
  const std::string v = storage::CleanText(value);
  if (v == "0") return std::string(kClassificationGeneral);
  if (v == "66") return std::string(kClassificationKidney);
  if (v == kClassificationGeneral) return "0";
  if (v == kClassificationKidney) return "66";
  return {};
}

std::string ClassificationText(std::int32_t code) {
  if (code == 0) return std::string(kClassificationGeneral);
  if (code == 66) return std::string(kClassificationKidney);
  return {};
}

util::OleDate SubDeviceEditDate(const core::App& app) {
  double date = util::LeadingNumber(util::ReadTextFile(app.DataFile(storage::kSubDeviceStampFile)));
  return std::isfinite(date) ? date : 0;
}

bool SubDeviceLocked(const core::App& app) {
  return app.Now() - SubDeviceEditDate(app) < kSubDeviceLockDays;
}

Result SetPatientName(core::App& app, std::int32_t patient, std::string_view name) {
  if (!core::IsPatientNumber(patient) ||
      !app.patients().Contains(static_cast<std::size_t>(patient))) {
    return Result::Refused("رقم السجل غير صحيح: " + std::to_string(patient));
  }
  const std::string cleaned = storage::CleanText(name);
  if (storage::Cp1256Length(cleaned) > storage::PatientRecord::kMaxNameBytes ||
      !app.patients()[static_cast<std::size_t>(patient)].setName(cleaned)) {
    return Result::Refused(std::string(kNameTooLongMessage));
  }
  return Result::Done();
}

}  // namespace dispensing
