#include "dispensing/ticket_money.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <type_traits>

#include "core/tables.h"
#include "storage/data_files.h"
#include "storage/helpers.h"

namespace dispensing {
namespace {

using storage::DrugTable;
using storage::TicketRecord;

constexpr int kLines = TicketRecord::kLines;
constexpr std::int16_t kGeneral = 0;
constexpr std::int16_t kKidney = 66;

struct Line {
  double value;    // price * quantity
  double feeRate;  // percent
};

// The priced line, when it holds a drug of the table.
std::optional<Line> PricedLine(const TicketRecord& ticket, const DrugTable& drugs, int line) {
  if (line < 1 || line > kLines) return std::nullopt;
  std::int32_t drug = ticket.drugIndex(line);
  if (!core::IsDrugNumber(drug) || !drugs.Contains(static_cast<std::size_t>(drug))) {
    return std::nullopt;
  }
  const auto& record = drugs[static_cast<std::size_t>(drug)];
  return Line{static_cast<double>(record.tenderPrice()) * ticket.quantity(line),
              static_cast<double>(record.purchaseFeeRate())};
}

// A money sum is a 4-byte float: each term is added at full precision and the
// sum kept as a float again.
float Accumulate(float sum, double term) { return static_cast<float>(static_cast<double>(sum) + term); }

const TicketRecord* Find(const core::App& app, std::int32_t ticket) {
  if (!core::IsTicketNumber(ticket)) return nullptr;
  auto n = static_cast<std::size_t>(ticket);
  return app.tickets().Contains(n) ? &app.tickets()[n] : nullptr;
}

// Applies a rule to a ticket number of the run; 0 for an unknown number.
template <class Rule>
std::invoke_result_t<Rule, const TicketRecord&> OnTicket(const core::App& app, std::int32_t ticket,
                                                         Rule rule) {
  const TicketRecord* t = Find(app, ticket);
  return t == nullptr ? 0 : rule(*t);
}

}  // namespace

float LineSurcharge(const TicketRecord& ticket, const DrugTable& drugs, int line) {
  if (ticket.classification() != kGeneral) return 0;
  auto priced = PricedLine(ticket, drugs, line);
  return priced ? storage::Round2(priced->value * 7 * 0.01) : 0;
}

float LineFee(const TicketRecord& ticket, const DrugTable& drugs, int line) {
  auto priced = PricedLine(ticket, drugs, line);
  return priced ? storage::Round2(priced->value * priced->feeRate * 0.01) : 0;
}

float LineTotal(const TicketRecord& ticket, const DrugTable& drugs, int line) {
  auto priced = PricedLine(ticket, drugs, line);
  if (!priced) return 0;
  return storage::Round2(priced->value + static_cast<double>(LineSurcharge(ticket, drugs, line)) +
                         static_cast<double>(LineFee(ticket, drugs, line)));
}

double ClassificationFactor(const TicketRecord& ticket) {
  switch (ticket.classification()) {
    case kGeneral:
      return 1.07;
    case kKidney:
      return 1.0;
    default:
      return 0;
  }
}

float TicketPatientTotal(const TicketRecord& ticket, const DrugTable& drugs) {
  const double factor = ClassificationFactor(ticket);
  float sum = 0;
  for (int line = 1; line <= kLines; ++line) {
    if (auto priced = PricedLine(ticket, drugs, line)) sum = Accumulate(sum, priced->value * factor);
  }
  return sum;
}

float TicketTenderValue(const TicketRecord& ticket, const DrugTable& drugs) {
  float sum = 0;
  for (int line = 1; line <= kLines; ++line) {
    if (auto priced = PricedLine(ticket, drugs, line)) sum = Accumulate(sum, priced->value);
  }
  return sum;
}

float TicketFeeTotal(const TicketRecord& ticket, const DrugTable& drugs) {
  float sum = 0;
  for (int line = 1; line <= kLines; ++line) {
    if (auto priced = PricedLine(ticket, drugs, line)) {
      sum = Accumulate(sum, priced->value * priced->feeRate * 0.01);
    }
  }
  return sum;
}

float TicketSurchargeTotal(const TicketRecord& ticket, const DrugTable& drugs) {
  float sum = 0;
  for (int line = 1; line <= kLines; ++line) sum = Accumulate(sum, LineSurcharge(ticket, drugs, line));
  return storage::Round2(sum);
}

float TicketFeeTotalRounded(const TicketRecord& ticket, const DrugTable& drugs) {
  float sum = 0;
  for (int line = 1; line <= kLines; ++line) sum = Accumulate(sum, LineFee(ticket, drugs, line));
  return storage::Round2(sum);
}

double DecisionTotal(const storage::TicketTable& tickets, const DrugTable& drugs,
                     std::int32_t decisionNumber) {
  float sum = 0;
  for (std::size_t n = 1, last = std::min(tickets.capacity(), storage::kMaxTickets); n <= last; ++n) {
    if (tickets[n].decisionNumber() == decisionNumber) {
      sum = Accumulate(sum, TicketPatientTotal(tickets[n], drugs));
    }
  }
  return storage::RoundHalfEven(sum, 1);
}

float LineSurcharge(const core::App& app, std::int32_t ticket, int line) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return LineSurcharge(t, app.drugs(), line); });
}
float LineFee(const core::App& app, std::int32_t ticket, int line) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return LineFee(t, app.drugs(), line); });
}
float LineTotal(const core::App& app, std::int32_t ticket, int line) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return LineTotal(t, app.drugs(), line); });
}
double ClassificationFactor(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket, [](const TicketRecord& t) { return ClassificationFactor(t); });
}
double THisDrugForHos(const core::App& app, std::int32_t ticket, int line) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) {
    const auto priced = PricedLine(t, app.drugs(), line);
    return priced ? storage::RoundHalfEven(priced->value, 3) : 0.0;
  });
}
double THisDrugForPatient(const core::App& app, std::int32_t ticket, int line) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) {
    const auto priced = PricedLine(t, app.drugs(), line);
    return priced ? storage::RoundHalfEven(priced->value * 1.07, 3) : 0.0;
  });
}
float TicketPatientTotal(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return TicketPatientTotal(t, app.drugs()); });
}
float TicketTenderValue(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return TicketTenderValue(t, app.drugs()); });
}
float TicketFeeTotal(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket, [&](const TicketRecord& t) { return TicketFeeTotal(t, app.drugs()); });
}
float TicketSurchargeTotal(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket,
                  [&](const TicketRecord& t) { return TicketSurchargeTotal(t, app.drugs()); });
}
float TicketFeeTotalRounded(const core::App& app, std::int32_t ticket) {
  return OnTicket(app, ticket,
                  [&](const TicketRecord& t) { return TicketFeeTotalRounded(t, app.drugs()); });
}
double DecisionTotal(const core::App& app, std::int32_t decisionNumber) {
  return DecisionTotal(app.tickets(), app.drugs(), decisionNumber);
}

}  // namespace dispensing
