#include "core/form_select_type.h"

#include "core/settings.h"

namespace core {

std::vector<std::string> FormSelectType::ButtonCaptions() const {
  return {kProgramTypeCaptions.begin(), kProgramTypeCaptions.end()};
}

bool FormSelectType::Choose(int index) {
  if (index < 1 || index > static_cast<int>(kProgramTypeCaptions.size())) return false;
  app_.settings().setProgramType(static_cast<std::int16_t>(index + 1000));
  bool saved = app_.Report(SaveSettings(app_));
  closed_ = true;
  return saved;
}

}  // namespace core
