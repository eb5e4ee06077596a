#pragma once
// The tables as CSV (UTF-8, a header row, one row per record in use).

#include <iosfwd>
#include <string>
#include <string_view>

#include "core/app.h"

namespace app {

// Whether DumpTable knows the table.
bool IsDumpTable(std::string_view table);
// Writes the named table ("drugs", "tickets", "receipts", "suppliers",
// "patients", "hospitals"); false for an unknown name.
bool DumpTable(const core::App& app, std::string_view table, std::ostream& out);

// The stored settings record as field,value lines.
void DumpSettingsRecord(const storage::SettingsRecord& s, std::ostream& out);

// Shortest decimal that reads back as the same value.
std::string ShortestDecimal(double v);
std::string ShortestDecimal(float v);
std::string CsvField(std::string_view text);

}  // namespace app
