#pragma once
// The therapeutic-group list: the names of the built-in groups, sorted. A
// click hands the group's number back through App::chosenItemNo and closes
// the list; closed without a click, chosenItemNo keeps its value.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "drugs/pick_list.h"

namespace drugs {

class FormPharm : public PickList {
 public:
  static constexpr std::string_view kName = "FFFPharm";
  static constexpr std::string_view kCaption = "المجموعات العلاجية";

  explicit FormPharm(core::App& app);
  std::string_view ScreenName() const override { return kName; }

 private:
  void Choose(const std::string& name) override;
};

}  // namespace drugs
