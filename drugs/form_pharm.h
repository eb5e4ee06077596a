#pragma once
// The therapeutic-group list: the names of the built-in groups, sorted. A
// click hands the group's number back through App::chosenItemNo and closes
// the list; closed without a click, chosenItemNo keeps its value.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace drugs {

class FormPharm : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFPharm";
  static constexpr std::string_view kCaption = "المجموعات العلاجية";

  explicit FormPharm(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  const std::vector<std::string>& list() const { return list_; }
  void ClickItem(int row);
  bool closed() const { return closed_; }

 private:
  core::App& app_;
  std::vector<std::string> list_;
  bool closed_ = false;
};

}  // namespace drugs
