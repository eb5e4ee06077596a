#pragma once
// The money rules of a ticket. A line's price is its drug's tender price and
// its fee rate the drug's purchase fee rate (a percentage). Sums are held in
// 4-byte floating point, as the reports and printouts show them; Round2 rounds
// to 2 decimals with halves to even. A line counts when it holds a drug of the
// drug table; any other line (empty, or a damaged drug number) is worth 0.
//
// Each rule comes in two forms: on a record and the drug table, and on a
// ticket number of the run (0 for a number outside 1..500000).

#include <cstdint>

#include "core/app.h"
#include "storage/drug_record.h"
#include "storage/ticket_record.h"

namespace dispensing {

// Round2(price * quantity * 7 * 0.01) for a "General" ticket (classification
// 0); 0 for any other classification.
float LineSurcharge(const storage::TicketRecord& ticket, const storage::DrugTable& drugs, int line);
// Round2(price * quantity * fee rate * 0.01).
float LineFee(const storage::TicketRecord& ticket, const storage::DrugTable& drugs, int line);
// Round2(price * quantity + LineSurcharge + LineFee), as the ticket screen
// shows it.
float LineTotal(const storage::TicketRecord& ticket, const storage::DrugTable& drugs, int line);
// 1.07 for "General" (0), 1.0 for "Kidny" (66), 0 for any other value.
double ClassificationFactor(const storage::TicketRecord& ticket);
// Sum of price * quantity * ClassificationFactor, unrounded.
float TicketPatientTotal(const storage::TicketRecord& ticket, const storage::DrugTable& drugs);
// Sum of price * quantity, unrounded.
float TicketTenderValue(const storage::TicketRecord& ticket, const storage::DrugTable& drugs);
// Sum of price * quantity * fee rate * 0.01, unrounded.
float TicketFeeTotal(const storage::TicketRecord& ticket, const storage::DrugTable& drugs);
// Round2 of the sum of LineSurcharge over lines 1..30.
float TicketSurchargeTotal(const storage::TicketRecord& ticket, const storage::DrugTable& drugs);
// Round2 of the sum of LineFee over lines 1..30.
float TicketFeeTotalRounded(const storage::TicketRecord& ticket, const storage::DrugTable& drugs);
// Sum of TicketPatientTotal over every ticket carrying the decision number,
// saved or open, rounded to 1 decimal (halves to even).
double DecisionTotal(const storage::TicketTable& tickets, const storage::DrugTable& drugs,
                     std::int32_t decisionNumber);

float LineSurcharge(const core::App& app, std::int32_t ticket, int line);
float LineFee(const core::App& app, std::int32_t ticket, int line);
float LineTotal(const core::App& app, std::int32_t ticket, int line);
double ClassificationFactor(const core::App& app, std::int32_t ticket);
float TicketPatientTotal(const core::App& app, std::int32_t ticket);
float TicketTenderValue(const core::App& app, std::int32_t ticket);
float TicketFeeTotal(const core::App& app, std::int32_t ticket);
float TicketSurchargeTotal(const core::App& app, std::int32_t ticket);
float TicketFeeTotalRounded(const core::App& app, std::int32_t ticket);
double DecisionTotal(const core::App& app, std::int32_t decisionNumber);
// The line's value at the tender price (price x quantity) for the hospital,
// and with the 7% for the patient, each rounded to 3 decimals (halves to
// even); 0 for a line without a drug or an unknown ticket.
double THisDrugForHos(const core::App& app, std::int32_t ticket, int line);
double THisDrugForPatient(const core::App& app, std::int32_t ticket, int line);

}  // namespace dispensing
