#pragma once
// The identity screen: the governorate, the hospital or health administration
// and the department or health unit, as printed on the forms.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/app.h"
#include "util/interaction.h"

namespace core {

class FormPharmacyInfo : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormPharmacyInfo";
  static constexpr std::string_view kCaption = "بيانات الصيدلية او المخزن";
  static constexpr std::string_view kGovernorateLabel = "المحافظة";
  static constexpr std::string_view kHospitalLabel = "اسم المستشفي او  الادارة الصحية ";
  static constexpr std::string_view kDepartmentLabel = "اسم القسم او الوحدة الصحية";
  // Each text is stored cut to this many characters.
  static constexpr std::size_t kMaxLength = 30;

  // Opening: the boxes show the cleaned stored values.
  explicit FormPharmacyInfo(App& app);
  std::string_view ScreenName() const override { return kName; }

  // "ok": nothing when a box is empty once trimmed; otherwise the three
  // cleaned texts are stored, cut to 30 characters, the settings record is
  // written and the screen closes. False when nothing was stored or the
  // record could not be written (its message is shown; the screen stays).
  bool Ok();
  // "Cancel" does nothing.
  void Cancel() {}
  // The window's close button: closes without storing.
  void Close() { closed_ = true; }
  bool closed() const { return closed_; }

  // The boxes.
  std::string TttMohafaza;   // governorate
  std::string TttMostashfa;  // hospital or health administration
  std::string TttQism;       // department or health unit

 private:
  App& app_;
  bool closed_ = false;
};

}  // namespace core
