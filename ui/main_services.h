#pragma once
// What the main window reaches in the modules above the core, as the program
// has them: the screens that are part of it, the activation repairs and the
// count of open tickets.

#include <functional>
#include <map>

#include "core/app.h"
#include "core/main_services.h"

namespace ui {

class ProgramServices : public core::MainWindowServices {
 public:
  explicit ProgramServices(core::App& app);

  // A screen is part of the program when it has an opener here.
  bool Has(core::Screen screen) const override;
  // Nothing for a screen that is not part of the program.
  void Open(core::Screen screen) override;
  void RunActivationRepairs() override;
  core::OpenTickets OpenTicketsBefore(util::OleDate day) override;

 private:
  core::App& app_;
  std::map<core::Screen, std::function<void()>> openers_;
};

}  // namespace ui
