#pragma once
// The login window: nine user buttons, the chosen user's number and a
// password box. OK logs the chosen user in when the box's numeric value is
// that user's stored password.

#include <string>
#include <string_view>

#include "core/app.h"
#include "util/interaction.h"

namespace core {

class FormUsers : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormUsers";
  static constexpr std::string_view kCaption = "تسجيل الدخول";
  static constexpr std::string_view kHeading = "حدد رقم المستخدم";
  static constexpr std::string_view kPrompt = "ادخل كلمة المرور";
  static constexpr std::string_view kOkLabel = "موافق";
  static constexpr std::string_view kChooseUserId = "Choose User Id";
  static constexpr std::string_view kWrongPassword = "Rong password";
  static constexpr int kUserButtons = 9;

  // Opening: marks the login window open, user 1 chosen, the password box
  // pre-filled when user 1 still has the default password.
  explicit FormUsers(App& app);
  ~FormUsers() override;
  FormUsers(const FormUsers&) = delete;
  FormUsers& operator=(const FormUsers&) = delete;
  std::string_view ScreenName() const override { return kName; }

  // The user button k (1..9): k is chosen, the password box emptied (then
  // pre-filled when user k still has the default password). Another k
  // changes nothing.
  void ChooseUser(int k);
  // OK, also Enter in the password box. True when the chosen user is now
  // logged in and the window closed; otherwise the refusal was shown and the
  // window stays.
  bool Ok();
  // The window closes, with or without a login: the login window is no
  // longer open.
  void Close();
  bool closed() const { return closed_; }

  // The controls: the chosen user's number and the password box.
  std::string LLL;
  std::string TextPass;

 private:
  void Prefill(int user);

  App& app_;
  bool closed_ = false;
};

}  // namespace core
