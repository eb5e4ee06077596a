#include "core/form_pharmacy_info.h"

#include "core/settings.h"
#include "storage/cp1256.h"
#include "storage/helpers.h"

namespace core {
namespace {

// The first kMaxLength characters, as the settings record holds them (one
// byte per character).
std::string Cut(std::string_view text) {
  std::string encoded = storage::EncodeCp1256String(text);
  if (encoded.size() > FormPharmacyInfo::kMaxLength) encoded.resize(FormPharmacyInfo::kMaxLength);
  return storage::DecodeCp1256(encoded);
}

}  // namespace

FormPharmacyInfo::FormPharmacyInfo(App& app)
    : TttMohafaza(storage::CleanText(app.settings().governorate())),
      TttMostashfa(storage::CleanText(app.settings().hospitalName())),
      TttQism(storage::CleanText(app.settings().departmentName())),
      app_(app) {}

bool FormPharmacyInfo::Ok() {
  const std::string governorate = storage::CleanText(TttMohafaza);
  const std::string hospital = storage::CleanText(TttMostashfa);
  const std::string department = storage::CleanText(TttQism);
  if (governorate.empty() || hospital.empty() || department.empty()) return false;

  auto& settings = app_.settings();
  settings.setGovernorate(Cut(governorate));
  settings.setHospitalName(Cut(hospital));
  settings.setDepartmentName(Cut(department));
  if (!app_.Report(SaveSettings(app_))) return false;
  closed_ = true;
  return true;
}

}  // namespace core
