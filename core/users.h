#pragma once
// Users, login and the anchor date: nine numbered users with numeric
// passwords in the settings record, the technical-support login opened by a
// challenge code, the rights a few actions check, and the lock date before
// which documents can no longer be sent, saved or taken back.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/main_services.h"
#include "util/clock.h"

namespace core {

inline constexpr std::int16_t kNobody = 0;
inline constexpr std::int16_t kTechnicalSupport = 88;
inline constexpr std::int16_t kDefaultPassword = 8629;

inline constexpr std::string_view kNotLoggedIn = "لم تقم باختيار حساب الدخول";
inline constexpr std::string_view kUserOneOnly = "هذه الخاصية من صلاحيات المستخدم الاول فقط";
inline constexpr std::string_view kFirstUserRightOnly = "من صلاحيات المستخدم الاول فقط";
inline constexpr std::string_view kNeedTechnicalSupport = "Need technical support";
// Technical support has no stored password to change.
inline constexpr std::string_view kSupportHasNoPassword =
    "حساب الدعم الفني ليس له كلمة مرور يمكن تغييرها";

// The login request: nothing while the login window is open or somebody is
// logged in; otherwise the login window, modally. True when a user is logged
// in afterwards.
bool LoginRequest(App& app);
// The quick panel's login button: logs out, then the login request.
void LoginButton(App& app);
// True when somebody is logged in; otherwise shows kNotLoggedIn.
bool RequireLogin(App& app);

// Users 1..9 only: the current password, then a new one of 1..30000,
// written to the settings file at once.
void ChangePassword(App& app);
// The challenge code in the input dialog; the right answer logs technical
// support in, any other changes nothing.
void SupportLogin(App& app);
// The five digits of a support challenge: 400..999, then 4..9, then 1..3.
std::string SupportChallenge(const util::Clock& clock);
// The answer support staff give for a challenge: built from its last two
// digits and the fixed pair of constants (docs/MAINTAINERS.md).
std::int32_t SupportAnswer(std::string_view challenge);

// The anchor date as "DD-MM-YYYY", or that there is none.
void ShowAnchorDate(App& app);
// User 1 only; refused while open tickets of earlier days exist. The new date
// is written to the settings file at once.
void SetAnchorDate(App& app, const std::function<OpenTickets(util::OleDate)>& openTicketsBefore);
void ExplainAnchorDate(App& app);

// The date dialog, modally: the chosen date, or 0 when cancelled. The date
// is also left in App::chosenDay.
util::OleDate AskDate(App& app);

}  // namespace core
