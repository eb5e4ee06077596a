#pragma once
// The unit list "وصف الوحدات": the unit names in code order. Opening it puts
// the no-choice mark into App::dialogResult; a click puts the clicked name
// there instead and closes the list.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "drugs/pick_list.h"

namespace drugs {

class FormUnitdesc : public PickList {
 public:
  static constexpr std::string_view kName = "FFFUnitdesc";
  static constexpr std::string_view kCaption = "وصف الوحدات";
  // What dialogResult holds when no unit was chosen.
  static constexpr std::string_view kNoChoice = "16711935";

  explicit FormUnitdesc(core::App& app);
  std::string_view ScreenName() const override { return kName; }

 private:
  void Choose(const std::string& name) override;
};

}  // namespace drugs
