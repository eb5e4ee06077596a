#include "dispensing/ticket_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "core/network.h"
#include "core/tables.h"
#include "storage/data_files.h"
#include "util/dates.h"
#include "util/platform.h"

namespace dispensing {
namespace {

using storage::TicketRecord;

constexpr int kLines = TicketRecord::kLines;

// Whether the number is a ticket of the table.
bool IsTicketOfTable(const core::App& app, std::int32_t ticket) {
  return core::IsTicketNumber(ticket) && app.tickets().Contains(static_cast<std::size_t>(ticket));
}

// The record of a valid ticket number; nothing for any other number.
const TicketRecord* Ticket(const core::App& app, std::int32_t ticket) {
  return IsTicketOfTable(app, ticket) ? &app.tickets()[static_cast<std::size_t>(ticket)] : nullptr;
}
TicketRecord* Ticket(core::App& app, std::int32_t ticket) {
  return IsTicketOfTable(app, ticket) ? &app.tickets()[static_cast<std::size_t>(ticket)] : nullptr;
}

// The highest ticket number every scan of the whole table covers.
std::size_t LastTicket(const core::App& app) {
  return std::min(app.tickets().capacity(), storage::kMaxTickets);
}

// Records 1..TicketCount, within the table.
std::size_t UsedTickets(const core::App& app) {
  std::int32_t count = app.settings().ticketCount();
  if (count < 1) return 0;
  return std::min(static_cast<std::size_t>(count), LastTicket(app));
}

bool IsDrugOfTable(const core::App& app, std::int32_t drug) {
  return core::IsDrugNumber(drug) && app.drugs().Contains(static_cast<std::size_t>(drug));
}

bool SameDay(double a, double b) { return util::DateOnly(a) == util::DateOnly(b); }

std::string RefusedNumber(std::int32_t ticket) {
  return "رقم التذكرة غير صحيح: " + std::to_string(ticket);
}

std::int32_t ClampToLong(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// A recipient number as text: whole numbers without a decimal part.
std::string NumberText(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e15) {
    return std::to_string(static_cast<long long>(v));
  }
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string();
}


}  // namespace

std::int32_t FirstFreeTicket(const core::App& app) {
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = UsedTickets(app); n <= last; ++n) {
    if (tickets[n].IsEmpty()) return static_cast<std::int32_t>(n);
  }
  return 0;
}

bool IsEmptyTicket(const core::App& app, std::int32_t ticket) {
  const TicketRecord* t = Ticket(app, ticket);
  return t != nullptr && t->IsEmpty();
}

int LineCount(const core::App& app, std::int32_t ticket) {
  const TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return 0;
  int count = 0;
  for (int line = 1; line <= kLines; ++line) {
    if (t->drugIndex(line) > 0) ++count;
  }
  return count;
}

int FirstEmptyLine(const core::App& app, std::int32_t ticket) {
  const TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return 0;
  for (int line = 1; line <= kLines; ++line) {
    if (t->drugIndex(line) == 0) return line;
  }
  return 0;
}

int LineOfDrug(const core::App& app, std::int32_t drug, std::int32_t ticket) {
  const TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return 0;
  for (int line = kLines; line >= 1; --line) {
    if (t->drugIndex(line) == drug) return line;
  }
  return 0;
}

int FirstLineOfDrug(const core::App& app, std::int32_t ticket, std::int32_t drug) {
  const TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr || drug == 0) return 0;
  for (int line = 1; line <= kLines; ++line) {
    if (t->drugIndex(line) == drug) return line;
  }
  return 0;
}

Result ToggleSaved(core::App& app, std::int32_t ticket) {
  TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return Result::Refused(RefusedNumber(ticket));

  // Documents of the anchor day and before are closed (a ticket without a
  // readable date counts as closed too).
  if (!(util::DateOnly(t->ticketDate()) > app.settings().anchorDate())) {
    app.interaction().ShowMessage(kAnchorDateMessage, util::MessageIcon::Warning);
    return Result::Refused(std::string(kAnchorDateMessage));
  }
  if (LineCount(app, ticket) == 0) return Result::Refused();

  const TicketRecord before = *t;
  // A saved ticket (-1) is unsaved; any other state with lines counts as open
  // and is saved.
  const bool saving = t->state() != -1;
  std::vector<std::pair<std::size_t, std::int32_t>> oldBalances;
  for (int line = 1; line <= kLines; ++line) {
    std::int32_t drug = t->drugIndex(line);
    if (!IsDrugOfTable(app, drug)) continue;
    auto& record = app.drugs()[static_cast<std::size_t>(drug)];
    oldBalances.emplace_back(static_cast<std::size_t>(drug), record.balance());
    std::int64_t quantity = t->quantity(line);
    record.setBalance(ClampToLong(record.balance() + (saving ? -quantity : quantity)));
  }
  t->setState(saving ? std::int16_t{-1} : std::int16_t{1});

  if (storage::IoStatus written = core::SaveTicket(app, ticket); !written) {
    *t = before;
    for (auto it = oldBalances.rbegin(); it != oldBalances.rend(); ++it) {
      app.drugs()[it->first].setBalance(it->second);
    }
    return Result::Failed(written.message());
  }
  return Result::From(core::SaveAllDrugs(app));
}

Result RemoveLine(core::App& app, std::int32_t ticket, int line) {
  TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return Result::Refused(RefusedNumber(ticket));
  if (line < 1 || line > kLines || t->state() == -1 || LineCount(app, ticket) < 2) {
    return Result::Refused();
  }
  const TicketRecord before = *t;
  for (int i = line; i < kLines; ++i) {
    t->setDrugIndex(i, t->drugIndex(i + 1));
    t->setQuantity(i, t->quantity(i + 1));
  }
  t->setDrugIndex(kLines, 0);
  t->setQuantity(kLines, 0);
  if (storage::IoStatus written = core::SaveTicket(app, ticket); !written) {
    *t = before;
    return Result::Failed(written.message());
  }
  return Result::Done();
}

std::int32_t DailySerial(const core::App& app, std::int32_t ticket) {
  const TicketRecord* t = Ticket(app, ticket);
  if (t == nullptr) return 0;
  const double day = t->ticketDate();
  std::int32_t serial = 0;
  for (std::int32_t n = std::max(1, ticket - 2000); n <= ticket; ++n) {
    if (SameDay(app.tickets()[static_cast<std::size_t>(n)].ticketDate(), day)) ++serial;
  }
  return serial;
}

UnsavedTickets UnsavedTicketsReport(const core::App& app, util::OleDate day) {
  util::BusyPointer busy(app.platform());
  const double midnight = util::DateOnly(day);
  UnsavedTickets report;
  std::string list;
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = UsedTickets(app); n <= last; ++n) {
    const TicketRecord& t = tickets[n];
    if (t.state() != 1 || !(t.ticketDate() <= midnight)) continue;
    if (LineCount(app, static_cast<std::int32_t>(n)) == 0) continue;
    if (report.count > 0) list += " - ";
    list += std::to_string(n);
    ++report.count;
  }
  if (report.count == 0) {
    report.text = kNoUnsavedTickets;
  } else {
    report.text.append(kUnsavedCountTitle).append(kLineBreak);
    report.text.append(std::to_string(report.count)).append(kLineBreak);
    report.text.append(kUnsavedNumbersTitle).append(kLineBreak);
    report.text += list;
  }
  return report;
}

std::string DrugDayList(const core::App& app, util::OleDate day, std::int32_t drug) {
  if (!IsDrugOfTable(app, drug)) return {};
  std::string entries;
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = LastTicket(app); n <= last; ++n) {
    const TicketRecord& t = tickets[n];
    if (!SameDay(t.ticketDate(), day)) continue;
    for (int line = 1; line <= kLines; ++line) {
      if (t.drugIndex(line) != drug) continue;
      entries += "   " + std::to_string(t.quantity(line)) + ":" + NumberText(t.patientIndex());
    }
  }
  if (entries.empty()) return {};
  std::string text = app.drugs()[static_cast<std::size_t>(drug)].drugName();
  text.append(kLineBreak).append(entries).append(kLineBreak);
  return text;
}

void AddDispensedInPeriod(const core::App& app, util::OleDate from, util::OleDate to,
                          std::span<std::int64_t> totals) {
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = LastTicket(app); n <= last; ++n) {
    const TicketRecord& t = tickets[n];
    const double date = t.ticketDate();
    if (t.IsEmpty() || !(date >= from && date <= to)) continue;
    for (int line = 1; line <= kLines; ++line) {
      std::int32_t drug = t.drugIndex(line);
      if (!core::IsDrugNumber(drug) || static_cast<std::size_t>(drug) >= totals.size()) continue;
      totals[static_cast<std::size_t>(drug)] += t.quantity(line);
    }
  }
}

util::OleDate FirstDispensingDate(const core::App& app, std::int32_t drug) {
  if (!core::IsDrugNumber(drug)) return 0;
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = LastTicket(app); n <= last; ++n) {
    const TicketRecord& t = tickets[n];
    const double day = util::DateOnly(t.ticketDate());
    if (t.IsEmpty() || !(day > 0)) continue;
    for (int line = 1; line <= kLines; ++line) {
      if (t.drugIndex(line) == drug) return day;
    }
  }
  return 0;
}

float MonthlyAverageUse(const core::App& app, std::int32_t recipient, std::int32_t drug) {
  const double now = app.Now();
  double start = FirstDispensingDate(app, drug);
  if (start < 1000) start = now;
  if (now - start > 365) start = now - 365;
  const double today = util::DateOnly(now);

  std::int64_t sum = 0;
  if (core::IsDrugNumber(drug)) {
    const auto& tickets = app.tickets();
    for (std::size_t n = 1, last = LastTicket(app); n <= last; ++n) {
      const TicketRecord& t = tickets[n];
      const double date = t.ticketDate();
      if (t.patientIndex() != recipient || !(date >= start && date < today)) continue;
      for (int line = kLines; line >= 1; --line) {
        if (t.drugIndex(line) == drug) {
          sum += t.quantity(line);
          break;
        }
      }
    }
  }
  double days = std::trunc(now - start);
  if (days <= 0) days = 1;
  return static_cast<float>(std::trunc(static_cast<double>(sum) / days * 30));
}

Result FixFutureDates(core::App& app) {
  const double now = app.Now();
  auto& tickets = app.tickets();
  Result first = Result::Done();
  for (std::size_t n = 1, last = LastTicket(app); n <= last; ++n) {
    if (!(tickets[n].ticketDate() > now)) continue;
    tickets[n].setTicketDate(n == 1 ? 0.0 : tickets[n - 1].ticketDate());
    storage::IoStatus written = core::SaveTicket(app, static_cast<std::int32_t>(n));
    if (!written && first.done()) first = Result::Failed(written.message());
  }
  return first;
}

Result RefreshBeforeNewTicket(core::App& app) {
  if (!core::NetworkActive(app)) return Result::Done();
  const std::int32_t f = FirstFreeTicket(app);
  return Result::From(core::RereadTickets(app, std::max(1, f - 20), f + 100));
}

Result RefreshTicket(core::App& app, std::int32_t ticket) {
  if (Ticket(app, ticket) == nullptr) return Result::Refused(RefusedNumber(ticket));
  if (ticket <= 1 || !core::NetworkActive(app)) return Result::Done();
  return Result::From(core::RereadTickets(app, ticket, ticket));
}

}  // namespace dispensing
