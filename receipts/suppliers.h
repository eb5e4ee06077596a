#pragma once
// The supplier list ("Mrd99.vlk", suppliers 1..50): lookups and the two
// changes of the supplier dialog. A supplier keeps its number for good, so a
// new name shows on every receipt and drug that refers to that number.
// Names are kept as typed and compared after CleanText.

#include <cstdint>
#include <string_view>

#include "core/app.h"
#include "core/result.h"

namespace receipts {

// The first number 1..50 whose name cleans to empty; 0 when all 50 are used.
std::int32_t FirstFreeSupplier(const core::App& app);
// 0 when the cleaned text is empty; otherwise the first number 1..50 whose
// cleaned name equals the cleaned text exactly; 0 when none.
std::int32_t FindSupplierByName(const core::App& app, std::string_view text);

// Adds the answer of the dialog's "ادخل اسم المورد" box as a new supplier
// under the first free number, stored as typed, and writes the list; the new
// supplier's number goes to *number when given (0 when nothing was added).
// Refused silently (no message) when the list is full or the cleaned answer
// has fewer than 3 characters (a cancelled box answers ""). Refused with a
// message when the name is longer than a record holds (126 characters in code
// page 1256): it is never cut. Failed, with nothing changed, when the list
// cannot be written.
core::Result AddSupplier(core::App& app, std::string_view answer, std::int32_t* number = nullptr);

// Gives supplier `number` the answer of the dialog's "ادخل الاسم الجديد" box,
// stored as typed, and writes the list. Refused silently for a number outside
// 1..50, for a free number (there is no supplier to rename) and when the
// cleaned answer has fewer than 3 characters; refused with a message and
// failed like AddSupplier.
core::Result RenameSupplier(core::App& app, std::int32_t number, std::string_view answer);

}  // namespace receipts
