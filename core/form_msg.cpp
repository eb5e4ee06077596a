#include "core/form_msg.h"

namespace core {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string body;
  for (const auto& line : lines) body += line + "\r\n";
  return body;
}

void ShowTextWindow(App& app, std::string title, std::string body) {
  FormMsg window(std::move(title), std::move(body));
  app.interaction().RunModal(window);
}

}  // namespace core
