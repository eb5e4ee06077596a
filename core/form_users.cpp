#include "core/form_users.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "core/users.h"
#include "util/numbers.h"

namespace core {

FormUsers::FormUsers(App& app) : LLL("1"), app_(app) {
  app_.loginWindowOpen = true;
  Prefill(1);
}

FormUsers::~FormUsers() { Close(); }

void FormUsers::Prefill(int user) {
  if (app_.settings().userPassword(user) == kDefaultPassword) {
    TextPass = std::to_string(kDefaultPassword);
  }
}

void FormUsers::ChooseUser(int k) {
  if (k < 1 || k > kUserButtons) return;
  LLL = std::to_string(k);
  TextPass.clear();
  Prefill(k);
}

bool FormUsers::Ok() {
  const double chosen = util::LeadingNumber(LLL);
  if (chosen == 0) {
    app_.interaction().ShowMessage(kChooseUserId);
    return false;
  }
  // LLL holds a button's number; anything else matches no user.
  const bool isUser = chosen >= 1 && chosen <= kUserButtons && chosen == std::floor(chosen);
  const int user = isUser ? static_cast<int>(chosen) : 0;
  if (!isUser ||
      util::LeadingNumber(TextPass) != static_cast<double>(app_.settings().userPassword(user))) {
    app_.interaction().ShowMessage(kWrongPassword);
    return false;
  }
  app_.settings().setCurrentUser(static_cast<std::int16_t>(user));
  Close();
  return true;
}

void FormUsers::Close() {
  if (closed_) return;
  closed_ = true;
  app_.loginWindowOpen = false;
}

}  // namespace core
