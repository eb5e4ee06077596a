#pragma once
// The purge of the data: technical support empties every table (or every
// table but the drug catalogue's names), writes the defaults of a new
// installation and ends the program, so that the next start asks for the
// program type again.

#include <cstdint>
#include <functional>
#include <string_view>

#include "core/app.h"

namespace core {

enum class PurgeKind {
  AllData,    // "كل قواعد البيانات"
  KeepDrugs,  // "كل قواعد البيانات ما عدا الادوية": names kept, balances zero
};

inline constexpr std::string_view kPurgeQuestion =
    "سوف يتم الغاء كافة البيانات الموجودة في هذا البرنامج   هل تريد الاستمرار";

// How many of the empty tickets are written, out of how many. Called a few
// dozen times, each followed by a yield to the user interface.
using PurgeProgress = std::function<void(std::int32_t written, std::int32_t total)>;

// Technical support only ("Need technical support" for anybody else), after
// a Yes to kPurgeQuestion. Under the busy pointer: tickets 1..500000 and
// receipts 1..5000 are written empty, the drug file empty or with its names
// only, the settings record with 500000 tickets to load, the anchor date
// 2021-01-01, no program type and the default password for users 1..9; the
// supplier file is deleted and the patient file written empty. Then the
// program ends. A write that fails is reported and stops the purge; the
// program ends all the same, so that the next start reads what the files
// hold rather than the emptied tables. True when everything was written.
bool Purge(App& app, PurgeKind kind, const PurgeProgress& progress = {});

}  // namespace core
