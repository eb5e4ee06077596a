#pragma once
// A list of names to pick one from (the therapeutic groups, the units): a
// click on a name stores the choice and closes the list.

#include <string>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace drugs {

class PickList : public util::ModalScreen {
 public:
  const std::vector<std::string>& list() const { return list_; }
  // A row outside the list does nothing.
  void ClickItem(int row) {
    if (row < 0 || row >= static_cast<int>(list_.size())) return;
    Choose(list_[static_cast<std::size_t>(row)]);
    closed_ = true;
  }
  bool closed() const { return closed_; }

 protected:
  explicit PickList(core::App& app) : app_(app) {}
  // Stores the chosen name where the caller reads it.
  virtual void Choose(const std::string& name) = 0;

  core::App& app_;
  std::vector<std::string> list_;

 private:
  bool closed_ = false;
};

}  // namespace drugs
