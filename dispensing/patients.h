#pragma once
// The recipient table (patients, departments or hospitals by program type):
// free records, lookup by name, the decision classification texts, the
// sub-device edit lock and the name rule of the 128-byte record.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/result.h"
#include "util/clock.h"

namespace dispensing {

using core::Result;

inline constexpr std::string_view kClassificationGeneral = "General";
inline constexpr std::string_view kClassificationKidney = "Kidny";

// The sub-device edit date keeps recipient edits locked for this many days.
inline constexpr double kSubDeviceLockDays = 10;

inline constexpr std::string_view kNameTooLongMessage =
    "الاسم اطول من 78 حرفا ولا يتسع له سجل المريض";

// First record 1..30000 whose cleaned name is empty; 0 when none.
std::int32_t FirstFreePatient(const core::App& app);

// First record 1..30000 whose cleaned name equals the cleaned text; 0 when
// none, and for a text that cleans to empty (no name finds no recipient).
std::int32_t FindPatientByName(const core::App& app, std::string_view name);

// Both directions, on text: "0" -> "General", "66" -> "Kidny",
// "General" -> "0", "Kidny" -> "66"; anything else -> "". Surrounding spaces
// are ignored.
std::string ClassificationText(std::string_view value);
// The text of a classification code: 0 -> "General", 66 -> "Kidny", else "".
std::string ClassificationText(std::int32_t code);

// The number in "peos.vlk" of the data folder, read as a date; 0 when the file
// does not exist or holds no number.
util::OleDate SubDeviceEditDate(const core::App& app);

// Recipient edits are locked while now - SubDeviceEditDate is below 10 days.
bool SubDeviceLocked(const core::App& app);

// Puts the cleaned name into record n (in memory; the fields after the name
// move with it). Refused, with a message for the user, for a number outside
// 1..30000 or a name longer than 78 bytes in code page 1256. The caller
// writes the table (SavePatients) once the record is complete.
Result SetPatientName(core::App& app, std::int32_t patient, std::string_view name);

}  // namespace dispensing
