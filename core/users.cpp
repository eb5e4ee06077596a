#include "core/users.h"

#include <string>

#include "core/form_day.h"
#include "core/form_input_box.h"
#include "core/form_msg.h"
#include "core/form_users.h"
#include "core/settings.h"
#include "util/dates.h"
#include "util/numbers.h"

namespace core {
namespace {

// The support answer is (last two digits of the challenge) * kSupportFactor
// - kSupportOffset. Support staff know this pair (docs/MAINTAINERS.md); it is
// written nowhere else in the program.
constexpr std::int32_t kSupportFactor = 73;
constexpr std::int32_t kSupportOffset = 1391;

constexpr std::string_view kCurrentPasswordPrompt = "ادخل كلمة المرور الحالية";
constexpr std::string_view kWrongCurrentPassword = "كلمة المرور غير صحيحة";
constexpr std::string_view kNewPasswordPrompt = "ادخل كلمة المرور الجديدة";
constexpr std::string_view kPasswordIs = "Your Password is    ";
constexpr std::string_view kPasswordRange = "Must be between 1 and 30000";
constexpr double kLowestPassword = 1;
constexpr double kHighestPassword = 30000;

constexpr std::string_view kSupportPrompt =
    "برجاء الاتصال بالدعم الفني واعطائهم هذا الكود وكتابة ردهم في المربع: ";
constexpr std::string_view kSupportLoggedIn = "تم الدخول  بحساب الدعم الفني";

constexpr std::string_view kAnchorDateTitle = "تاريخ الارتكاز";
constexpr std::string_view kNoAnchorDate = "لا يوجد";
constexpr std::string_view kOpenTicketsFirst = "لديك عدد من التذاكر غير محفوظة برجاء حفظها اولا";
constexpr std::string_view kAnchorDateSet = "now you can not edit your data before   ";
constexpr std::string_view kExplainTitle = "تعريف تاريخ الارتكاز";
constexpr std::string_view kExplainBody =
    "هو تاريخ لا يمكنك تغيير  او تعديل اي تذكرة قبله وذلك حفاظا علي سلامة البيانات";

bool IsNumberedUser(std::int16_t user) {
  return user >= 1 && user <= storage::SettingsRecord::kUsers;
}

}  // namespace

bool LoginRequest(App& app) {
  if (!app.loginWindowOpen && app.settings().currentUser() == kNobody) {
    FormUsers window(app);
    app.interaction().RunModal(window);
    window.Close();
  }
  return app.settings().currentUser() != kNobody;
}

void LoginButton(App& app) {
  app.settings().setCurrentUser(kNobody);
  LoginRequest(app);
}

bool RequireLogin(App& app) {
  if (app.settings().currentUser() != kNobody) return true;
  app.interaction().ShowMessage(kNotLoggedIn);
  return false;
}

void ChangePassword(App& app) {
  const std::int16_t user = app.settings().currentUser();
  if (user == kTechnicalSupport) {
    app.interaction().ShowMessage(kSupportHasNoPassword);
    return;
  }
  if (!IsNumberedUser(user)) {
    app.interaction().ShowMessage(kNotLoggedIn);
    return;
  }
  const auto current = app.interaction().InputBox(kCurrentPasswordPrompt);
  if (!current) return;
  if (util::LeadingNumber(*current) != static_cast<double>(app.settings().userPassword(user))) {
    app.interaction().ShowMessage(kWrongCurrentPassword);
    return;
  }
  const auto typed = app.interaction().InputBox(kNewPasswordPrompt);
  if (!typed) return;
  const double value = util::LeadingNumber(*typed);
  if (!(value >= kLowestPassword && value <= kHighestPassword)) {
    app.interaction().ShowMessage(kPasswordRange);
    return;
  }
  // A fraction is kept as its nearest whole number (halves to even).
  const auto password = static_cast<std::int16_t>(util::SafeLong(value));
  app.interaction().ShowMessage(std::string(kPasswordIs) + std::to_string(password));
  app.settings().setUserPassword(user, password);
  app.Report(SaveSettings(app));
}

std::string SupportChallenge(const util::Clock& clock) {
  return std::to_string(util::RandomBetween(clock, 400, 999)) +
         std::to_string(util::RandomBetween(clock, 4, 9)) +
         std::to_string(util::RandomBetween(clock, 1, 3));
}

std::int32_t SupportAnswer(std::string_view challenge) {
  const std::string_view lastTwo =
      challenge.size() >= 2 ? challenge.substr(challenge.size() - 2) : challenge;
  const auto digits = static_cast<std::int32_t>(util::LeadingNumber(lastTwo));
  return digits * kSupportFactor - kSupportOffset;
}

void SupportLogin(App& app) {
  const std::string challenge = SupportChallenge(app.clock());
  const std::string answer = AskInput(app, std::string(kSupportPrompt) + challenge);
  // The answer is not left behind in the shared slot.
  const bool right = util::LeadingNumber(answer) == static_cast<double>(SupportAnswer(challenge));
  app.dialogResult.clear();
  if (!right) return;
  app.interaction().ShowMessage(kSupportLoggedIn);
  app.settings().setCurrentUser(kTechnicalSupport);
}

void ShowAnchorDate(App& app) {
  const util::OleDate anchor = app.settings().anchorDate();
  const std::string shown =
      anchor == 0 ? std::string(kNoAnchorDate) : util::FormatDayMonthYear(anchor);
  app.interaction().ShowMessage(std::string(kAnchorDateTitle) + ": " + shown);
}

void SetAnchorDate(App& app, const std::function<OpenTickets(util::OleDate)>& openTicketsBefore) {
  if (app.settings().currentUser() != 1) {
    app.interaction().ShowMessage(kUserOneOnly);
    return;
  }
  const util::OleDate day = AskDate(app);
  if (day == 0) return;
  const OpenTickets open = openTicketsBefore(day);
  if (open.count > 0) {
    app.interaction().ShowMessage(kOpenTicketsFirst);
    app.interaction().ShowMessage(open.text);
    return;
  }
  app.settings().setAnchorDate(day);
  app.Report(SaveSettings(app));
  app.interaction().ShowMessage(std::string(kAnchorDateSet) + util::FormatDayMonthYear(day));
}

void ExplainAnchorDate(App& app) {
  ShowTextWindow(app, std::string(kExplainTitle), std::string(kExplainBody));
}

util::OleDate AskDate(App& app) {
  FFFDay dialog(app);
  app.interaction().RunModal(dialog);
  app.chosenDay = dialog.result();
  return app.chosenDay;
}

}  // namespace core
