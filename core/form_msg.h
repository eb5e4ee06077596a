#pragma once
// The text window: a title, a read-only body with a vertical scroll bar and
// "OK". The help entries and the anchor-date explanation show their texts in
// it.

#include <string>
#include <string_view>
#include <vector>

#include "core/app.h"
#include "util/interaction.h"

namespace core {

class FormMsg : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FFFMSG";

  FormMsg(std::string title, std::string body) : title_(std::move(title)), body_(std::move(body)) {}
  std::string_view ScreenName() const override { return kName; }

  const std::string& title() const { return title_; }
  const std::string& body() const { return body_; }

 private:
  std::string title_;
  std::string body_;
};

// The body of lines, each followed by a line break (CR LF).
std::string JoinLines(const std::vector<std::string>& lines);
// Shows the text window modally.
void ShowTextWindow(App& app, std::string title, std::string body);

}  // namespace core
