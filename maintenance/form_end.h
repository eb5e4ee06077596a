#pragma once
// The closing window "Wait": its activation runs the close sequence once and
// ends the program. A run shorter than 0.006 day (8 minutes 38.4 seconds)
// ends at once.

#include <functional>
#include <string_view>

#include "core/app.h"
#include "util/numbers.h"

namespace maintenance {

class FormEnd {
 public:
  static constexpr std::string_view kCaption = "Wait";
  static constexpr util::Colour kBackground = util::Rgb(32, 32, 32);
  static constexpr util::Colour kCaptionColour = util::Rgb(0, 192, 0);
  static constexpr double kShortestRunForBackups = 0.006;

  explicit FormEnd(core::App& app) : app_(app) {}

  void Activate();
  // Whether the last close made the backups (the run was long enough).
  bool backupsDue() const { return backupsDue_; }

 private:
  core::App& app_;
  bool ran_ = false;
  bool backupsDue_ = false;
};

}  // namespace maintenance
