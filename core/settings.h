#pragma once
// The settings record of the run and the program type it holds.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/app.h"
#include "storage/record_file.h"

namespace core {

enum ProgramType : std::int16_t {
  kNoProgramType = 0,
  kStateExpense = 1001,         // patients with state-expense decisions
  kOutpatient = 1002,           // outpatient clinic or health unit
  kHospitalStore = 1003,        // hospital store: recipients are departments
  kAdministrationStore = 1004,  // supplies hospitals and health units
};

// Reads the settings record; every run starts with nobody logged in.
storage::IoStatus LoadSettings(App& app);
// Writes the whole record as record 1.
storage::IoStatus SaveSettings(const App& app);

bool IsStateExpense(const App& app);
bool IsOutpatient(const App& app);
bool IsHospitalStore(const App& app);
bool IsAdministrationStore(const App& app);

// The captions of the program-type buttons, types 1001..1004 in order.
inline constexpr std::array<std::string_view, 4> kProgramTypeCaptions = {
    "صيدلية نفقة الدولة",
    "صيدلية عيادة خارجية - صيدلية وحدة صحية",
    "مخزن مستشفي - الصيدلية الرئيسية في المستشفي",
    "مخزن ادارة الصيدلة",
};

}  // namespace core
