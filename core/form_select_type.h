#pragma once
// The program-type window: four large buttons, one per kind of pharmacy.
// A click stores the type (the button's index + 1000) and closes the window.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace core {

class FormSelectType : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormSelectType";

  explicit FormSelectType(App& app) : app_(app) {}
  std::string_view ScreenName() const override { return kName; }

  // Captions of the buttons 1..4, top to bottom.
  std::vector<std::string> ButtonCaptions() const;
  // The click on button index 1..4. Returns false (and changes nothing) for
  // any other index, or when the record could not be written.
  bool Choose(int index);
  bool closed() const { return closed_; }

 private:
  App& app_;
  bool closed_ = false;
};

}  // namespace core
