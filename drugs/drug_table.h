#pragma once
// Lookups on the drug catalogue and its two built-in lists: the 82
// therapeutic groups and the 16 units. Drug and group numbers are int32; 0
// always means none.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"

namespace drugs {

inline constexpr int kTherapeuticGroupCount = 82;
inline constexpr int kUnitCount = 16;

// Element n is the name of group n (1..82); element 0 is empty.
const std::array<std::string_view, kTherapeuticGroupCount + 1>& TherapeuticGroups();
// The name of group n; empty for 0, for negative numbers and above 82.
std::string_view TherapeuticGroupName(int group);

// 0 when the cleaned text is empty; otherwise the last drug 1..1500 whose
// cleaned name equals the cleaned text exactly; 0 when none.
std::int32_t FindDrugByName(const core::App& app, std::string_view text);
// The first drug 1..1500 whose name cleans to empty; 0 when all are used.
std::int32_t FirstFreeDrug(const core::App& app);
// 0 when the cleaned text is empty; otherwise the last group whose name
// equals the cleaned text; 0 when none.
std::int32_t FindGroupByName(std::string_view text);

// Two-way translation between unit codes and unit names: "1".."16" give the
// name, a name gives its code as text, anything else gives "". The text is
// compared exactly (no cleaning), in the order code 1, name 1, code 2, ...
std::string UnitText(std::string_view text);

// More than 10 drugs hold an opening balance above 0.
bool HasOpeningBalances(const core::App& app);

}  // namespace drugs
