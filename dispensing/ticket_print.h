#pragma once
// The ticket printouts of the ticket screen's print menu: each draws one page
// on the printer device in millimetres from the paper's top-left corner and
// ends it. Every layout except the 30-item sheet stores its code as the last
// layout of the settings (written at once) before it prints, so that "P"
// can repeat it.
//
// Values are rounded to 2 decimals; a cell whose text is "0" is left blank.
// The recipient's name, decision days and decision amount come from the
// recipient's record, printed only for a recipient number below 30000.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"
#include "core/result.h"
#include "util/print_device.h"

namespace dispensing {

// The last-layout codes.
enum TicketLayout : std::int16_t {
  kLayoutForm1 = 4001,         // original and copy on A4, form 1
  kLayoutForm2 = 4002,         // original and copy on A4, form 2
  kLayoutA5 = 4003,            // the current ticket on A5
  kLayoutTenTickets = 4005,    // ten tickets on one A4 sheet
  kLayoutA5PurchaseFee = 4006  // the current ticket on A5 with the purchase fee
};

// The print menu captions.
inline constexpr std::string_view kForm1Caption = "اصل وصورة علي ورق ايه فور-نموذج 1";
inline constexpr std::string_view kForm2Caption = "اصل وصورة علي ورق ايه فور-نموذج 2";
inline constexpr std::string_view kA5Caption = "طباعة التذكرة الحالية علي ورق ايه فايف";
inline constexpr std::string_view kTenTicketsCaption = "كل اربع تذاكر في ورقة ايه فور";
inline constexpr std::string_view kA5PurchaseFeeCaption =
    "طباعة التذكرة الحالية علي ورق ايه فايف رسم شرا";
inline constexpr std::string_view kThirtyItemsCaption = "طباعة   30 صنف   برسم الشراء ايه  4";

// The ten-ticket sheet's question and the reprint's first-time message.
inline constexpr std::string_view kTenTicketsQuestion = "اطبع عشرة تذاكر منصرف بدءا من تذكرة رقم";
inline constexpr std::string_view kPrintFromMenuFirst =
    "نفذ امر طباعة من قائمة الطباعة كاول مرة فقط";

// A printed cell's text: trimmed, and empty when it is "0" (zero cells are
// left blank).
std::string NZ(std::string_view text);

// The text of a printed value: the shortest decimal that reads back as the
// 4-byte value; empty for 0 (a blank cell).
std::string PrintedNumber(double value);

// The A5 ticket (4003): shifted right by the ticket margin.
core::Result PrintA5Ticket(core::App& app, util::PrintDevice& device, std::int32_t ticket);
// The A5 ticket with the purchase fee and the 7% (4006): shifted right by the
// ticket margin.
core::Result PrintA5PurchaseFeeTicket(core::App& app, util::PrintDevice& device,
                                      std::int32_t ticket);
// The 30-item sheet with the purchase fee (no code stored): shifted right by
// the ticket margin; all 30 lines.
void PrintThirtyItemSheet(const core::App& app, util::PrintDevice& device, std::int32_t ticket);
// Original and copy of the ticket on one A4 page, form 1 (4001) or form 2
// (4002): shifted by the printer choice's left and top offsets, the copy
// 145 mm below the original.
core::Result PrintOriginalAndCopy(core::App& app, util::PrintDevice& device, std::int32_t ticket,
                                  int form);
// The ten-ticket sheet (4005): asks for the first ticket s (an empty or
// cancelled answer counts as 0), stores the code and draws tickets s..s + 9 in bands of
// 28 mm, without margin or offsets.
core::Result PrintTenTicketSheet(core::App& app, util::PrintDevice& device);
// The same sheet from a known first ticket; stores the code.
core::Result PrintTenTicketSheetFrom(core::App& app, util::PrintDevice& device, std::int32_t first);
// One band of that sheet: band 0..9, 28 mm high, from 5 mm below the top,
// holding lines 1..10 of the ticket and its footer, framed.
void ww_Ready_one_fat_To_Print(const core::App& app, util::PrintDevice& device,
                               std::int32_t ticket, int band);

// The layout of a code, printed for the ticket (4005 asks its question);
// false for a code that is no layout.
bool PrintTicketLayout(core::App& app, util::PrintDevice& device, std::int32_t code,
                       std::int32_t ticket);

// "P" on the ticket screen: with no layout printed yet (a last code of 4000
// or less) the first-time message; otherwise the printer choice, and unless
// it is cancelled the last layout for the ticket. True when a page was
// drawn.
bool ReprintTicket(core::App& app, util::PrintDevice& device, std::int32_t ticket);

}  // namespace dispensing
