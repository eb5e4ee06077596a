#include "drugs/form_unitdesc.h"

#include <cstddef>

#include "drugs/drug_table.h"

namespace drugs {

FormUnitdesc::FormUnitdesc(core::App& app) : PickList(app) {
  app_.dialogResult = std::string(kNoChoice);
  // Codes beyond the last unit give no name and are left out.
  constexpr int kCodesLooked = 50;
  for (int code = 1; code <= kCodesLooked; ++code) {
    std::string name = UnitText(std::to_string(code));
    if (!name.empty()) list_.push_back(std::move(name));
  }
}

void FormUnitdesc::Choose(const std::string& name) { app_.dialogResult = name; }

}  // namespace drugs
