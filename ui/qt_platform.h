#pragma once
// The platform with the window system's services: clipboard, cursor, events,
// the file manager.

#include "util/platform.h"

namespace ui {

class QtPlatform : public util::DesktopPlatform {
 public:
  using util::DesktopPlatform::DesktopPlatform;

  bool OpenFolder(const std::filesystem::path& folder) override;
  void SetClipboardText(const std::string& text) override;
  void SetBusyCursor(bool busy) override;
  void Yield() override;

 private:
  bool busy_ = false;
};

}  // namespace ui
