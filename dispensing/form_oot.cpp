#include "dispensing/form_oot.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "core/form_main.h"
#include "core/form_msg.h"
#include "core/network.h"
#include "core/settings.h"
#include "core/tables.h"
#include "core/users.h"
#include "dispensing/form_marid.h"
#include "dispensing/form_marid_edit.h"
#include "dispensing/form_ptnt.h"
#include "dispensing/patients.h"
#include "dispensing/ticket_claim.h"
#include "dispensing/ticket_money.h"
#include "dispensing/ticket_print.h"
#include "dispensing/ticket_table.h"
#include "drugs/balance_recompute.h"
#include "drugs/drug_table.h"
#include "drugs/form_ds.h"
#include "storage/helpers.h"
#include "storage/ticket_record.h"
#include "util/dates.h"
#include "util/grid_helpers.h"

namespace dispensing {
namespace {

std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

// The shortest text that reads back as the same value ("12.5", "3").
std::string NumberText(double v) {
  if (!std::isfinite(v)) return {};
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, v);
  return std::string(text, end.ptr);
}
std::string NumberText(float v) {
  if (!std::isfinite(v)) return {};
  char text[40];
  const auto end = std::to_chars(text, text + sizeof text, v);
  return std::string(text, end.ptr);
}

// "YYYY-MM-DD   hh:mm:ss" (three spaces); empty for a ticket without a date.
std::string TicketDateText(util::OleDate d) {
  if (d == 0 || !std::isfinite(d)) return {};
  const util::CivilDateTime c = util::ToCivil(d);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d   %02d:%02d:%02d", c.year, c.month, c.day,
                c.hour, c.minute, c.second);
  return text;
}

std::string Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) != 0x80) {
      if (seen == count) return text.substr(0, i);
      ++seen;
    }
  }
  return text;
}

// A drug number of the catalogue for the typed value; 0 for any other value.
std::int32_t DrugOfValue(const core::App& app, double value) {
  if (!(value > 0) || value > static_cast<double>(app.drugs().capacity())) return 0;
  const std::int32_t drug = util::SafeLong(value);
  return core::IsDrugNumber(drug) ? drug : 0;
}

// The cleaned names of the catalogue, in the order the grids sort texts.
std::vector<std::string> SortedDrugNames(const core::App& app) {
  util::Grid names("Combo1", 1, 1);
  const auto& drugs = app.drugs();
  for (std::size_t n = 1; n <= drugs.capacity(); ++n) {
    const std::string name = storage::CleanText(drugs[n].drugName());
    if (!name.empty()) names.AppendRow({name});
  }
  util::GridSortByColumn(names, 0, "AZ");
  std::vector<std::string> list;
  list.reserve(static_cast<std::size_t>(names.Rows()));
  for (int row = 1; row < names.Rows(); ++row) list.push_back(names.Text(row, 0));
  return list;
}

// Shows a failure of a write or a reread; refusals stay silent.
void ShowFailure(core::App& app, const core::Result& result) {
  if (result.failed()) app.interaction().ShowMessage(result.message(), util::MessageIcon::Error);
}

// The answer of an input box; empty after Cancel.
std::string Ask(core::App& app, std::string_view prompt, std::string_view title = {},
                std::string_view initial = {}) {
  return app.interaction().InputBox(prompt, title, initial).value_or(std::string());
}

// The recipient's decision data into the ticket (not the recipient itself).
void TakeDecision(storage::TicketRecord& t, const storage::PatientRecord& p) {
  t.setDecisionNumber(util::SafeLong(p.decisionNumber()));
  t.setDecisionAmount(p.decisionAmount());
  t.setDecisionStart(util::DateSerialNumber(p.decisionStart()));
  const std::int32_t days = p.decisionDays();
  t.setDecisionDays(days < std::numeric_limits<std::int16_t>::min() ||
                            days > std::numeric_limits<std::int16_t>::max()
                        ? std::int16_t{0}
                        : static_cast<std::int16_t>(days));
}

// Another running copy of the program ends this one.
void CheckSingleInstance(core::App& app) {
  if (app.platform().ClaimSingleInstance()) return;
  app.interaction().ShowMessage(core::FormMain::kSecondInstance);
  app.RequestExit();
}

}  // namespace

util::OleDate LatestSarfia(const core::App& app, std::int32_t ticket) {
  if (!core::IsTicketNumber(ticket)) return 0;
  const auto& tickets = app.tickets();
  const double recipient = tickets[Index(ticket)].patientIndex();
  for (std::int32_t n = ticket - 1; n >= 1; --n) {
    if (tickets[Index(n)].patientIndex() == recipient) return tickets[Index(n)].ticketDate();
  }
  return 0;
}

FormOot::FormOot(core::App& app) : app_(app), xxx_("Xxx", kGridLines + 1, 7) {
  CheckSingleInstance(app_);
  const drugs::RecomputeResult recomputed = drugs::RecomputeBalances(app_);
  app_.Report(recomputed.status);

  util::GridSetHeaders(xxx_, {"اجمالي", "رسم شرا", "7%", "مناقصة", "الكمية", "الدواء", "رقم"});
  util::GridCenterAllColumns(xxx_);
  combo1List_ = SortedDrugNames(app_);

  std::int32_t ticket = FirstFreeTicket(app_);
  if (ticket > 1) --ticket;
  ShowPage(ticket);
  Customize_me();
}

void FormOot::Customize_me() {
  switch (app_.settings().programType()) {
    case core::kStateExpense:
      lllMaridTitle_ = kPatientTitle;
      nafaqaVisible_ = true;
      util::FlxSetColumnWdth(xxx_, kStateExpenseWidths);
      xxx_.SetHeight(kStateExpenseGridHeight);
      break;
    case core::kOutpatient:
      lllMaridTitle_ = kPatientTitle;
      nafaqaVisible_ = false;
      util::FlxSetColumnWdth(xxx_, kNoMoneyWidths);
      xxx_.SetHeight(kNoMoneyGridHeight);
      break;
    case core::kHospitalStore:
      lllMaridTitle_ = kDepartmentTitle;
      nafaqaVisible_ = false;
      util::FlxSetColumnWdth(xxx_, kNoMoneyWidths);
      xxx_.SetHeight(kNoMoneyGridHeight);
      break;
    default:
      break;
  }
}

void FormOot::ShowPage(std::int32_t ticket) {
  shown_ = ticket;
  lll_ = std::to_string(ticket);
  const bool valid = core::IsTicketNumber(ticket);

  // 1. The record as another workstation may have left it.
  if (valid) ShowFailure(app_, RefreshTicket(app_, ticket));

  // 2. The lines.
  {
    util::Grid::Batch batch(xxx_);
    for (int row = 1; row <= kGridLines; ++row) util::GridClearRow(xxx_, row);
    if (valid) {
      const storage::TicketRecord& t = app_.tickets()[Index(ticket)];
      const auto& drugs = app_.drugs();
      for (int line = 1; line <= kGridLines; ++line) {
        const std::int32_t drug = t.drugIndex(line);
        if (drug < 1) continue;
        if (!core::IsDrugNumber(drug)) {
          // A damaged drug number: its number alone, nothing read from it.
          xxx_.SetRow(line, {"", "", "", "", std::to_string(t.quantity(line)), "",
                             std::to_string(drug)});
          continue;
        }
        const storage::DrugRecord& d = drugs[Index(drug)];
        xxx_.SetRow(line, {NumberText(LineTotal(t, drugs, line)), NumberText(LineFee(t, drugs, line)),
                           NumberText(LineSurcharge(t, drugs, line)),
                           NumberText(storage::Round2(d.tenderPrice())),
                           std::to_string(t.quantity(line)), storage::CleanText(d.drugName()),
                           std::to_string(drug)});
      }
    }
  }
  if (!valid) {
    // Every later step reads the record, which does not exist.
    lllDate_.clear();
    cccDay_.clear();
    lllUserId_.clear();
    lllMarid_.clear();
    lllAge_.clear();
    lllMonyMarid_.clear();
    lllQarar_.clear();
    lllQValueUpToNow_.clear();
    lllQValue_.clear();
    lllQDate_.clear();
    lllQPeriod_.clear();
    lllClassy_.clear();
    btnMonthlyfat_.clear();
    return;
  }
  const storage::TicketRecord& t = app_.tickets()[Index(ticket)];

  // 3. Date and day.
  lllDate_ = TicketDateText(t.ticketDate());
  cccDay_ = std::isfinite(t.ticketDate()) && t.ticketDate() != 0 ? util::DayName(t.ticketDate())
                                                                   : std::string();
  // 4. The user.
  lllUserId_ = std::to_string(t.userNumber());
  // 5. The recipient.
  lllMarid_.clear();
  if (const double p = t.patientIndex(); std::isfinite(p) && p >= 1 && p < 30000) {
    const std::int32_t patient = util::SafeLong(p);
    if (core::IsPatientNumber(patient)) {
      lllMarid_ = storage::CleanText(app_.patients()[Index(patient)].name());
    }
  }
  // 6. The age.
  lllAge_ = std::to_string(t.decisionDays());
  // 7. Save / unsave.
  if (t.state() == -1) command7_ = kUnsaveCaption;
  if (t.state() == 1) command7_ = kSaveCaption;
  // 8. The entry controls.
  ControlsActivarion(ticket);
  // 9. The money of this ticket.
  lllMonyMarid_ = NumberText(TicketPatientTotal(app_, ticket) + TicketFeeTotal(app_, ticket));
  // 10. The decision.
  lllQarar_ = std::to_string(t.decisionNumber());
  lllQValueUpToNow_ = NumberText(DecisionTotal(app_, t.decisionNumber()));
  lllQValue_ = std::to_string(t.decisionAmount());
  // A ticket without a decision (no start day) has neither a start nor days
  // left to show.
  lllQDate_.clear();
  lllQPeriod_.clear();
  if (t.decisionStart() >= 1) {
    lllQDate_ = util::FormatDayMonthYear(t.decisionStart());
    const double today = util::DateOnly(app_.Now());
    lllQPeriod_ = NumberText(static_cast<double>(t.decisionDays()) -
                             (today - static_cast<double>(t.decisionStart())));
  }
  lllClassy_ = ClassificationText(static_cast<std::int32_t>(t.classification()));
  // 11. Served too early: shown, never refused.
  const util::OleDate last = LatestSarfia(app_, ticket);
  lllMaridColour_ = app_.Now() - last < kTooEarlyDays ? kTooEarlyColour : kRecipientColour;
  // 12. The number within the day.
  btnMonthlyfat_ = std::to_string(DailySerial(app_, ticket));
}

void FormOot::ControlsActivarion(std::int32_t ticket) {
  const bool saved =
      core::IsTicketNumber(ticket) && app_.tickets()[Index(ticket)].state() == -1;
  entriesEnabled_ = !saved;
  entryColour_ = saved ? kSavedEntryColour : kOpenEntryColour;
}

void FormOot::ClearEntries() {
  Text1.clear();
  // An emptied name box empties the names' line with it.
  SetCombo1({});
  Text2.clear();
}

void FormOot::MoveFocus(Focus focus, bool selected) {
  focus_ = focus;
  selected_ = selected;
}

void FormOot::FillFromDrug(std::int32_t drug, bool withName) {
  const storage::DrugRecord& d = app_.drugs()[Index(drug)];
  // The name box shows the name as stored; like a typed name, it lists the
  // drugs starting with it.
  if (withName) SetCombo1(d.drugName());
  Text2 = std::to_string(d.normalOut());
  TextRasid = std::to_string(d.balance());
}

// --- The keyboard flow ---

void FormOot::SetText1(std::string text) {
  Text1 = std::move(text);
  if (const std::int32_t drug = DrugOfValue(app_, util::LeadingNumber(Text1)); drug > 0) {
    FillFromDrug(drug, true);
  }
}

void FormOot::EnterInText1() {
  if (Text1.find('*') != std::string::npos) {
    std::string code;
    for (char c : Text1) {
      if (c != '*') code += c;
    }
    code = Trim(code);
    if (code.empty()) return;
    const auto& drugs = app_.drugs();
    for (std::size_t n = 1; n <= drugs.capacity(); ++n) {
      if (storage::CleanText(drugs[n].shortCode()) == code) {
        FillFromDrug(static_cast<std::int32_t>(n), true);
        MoveFocus(Focus::Text2, true);
        return;
      }
    }
    return;
  }
  if (Trim(Text1) == "+") {
    NewTicket();
    return;
  }
  if (util::LeadingNumber(Text1) == 0) {
    MoveFocus(Focus::Combo1, false);
  } else {
    MoveFocus(Focus::Text2, true);
  }
}

void FormOot::SetCombo1(std::string text) {
  Combo1 = std::move(text);
  lllStatus_.clear();
  if (Combo1.empty()) return;
  const auto& drugs = app_.drugs();
  for (std::size_t n = 1; n <= drugs.capacity(); ++n) {
    const std::string name = storage::CleanText(drugs[n].drugName());
    if (name.empty()) continue;
    // The stored name is padded with blanks to its 30 characters.
    const std::string stored = drugs[n].drugName() + std::string(Combo1.size(), ' ');
    if (stored.compare(0, Combo1.size(), Combo1) != 0) continue;
    lllStatus_ += "      " + name;
    lllStatus_ = FirstCharacters(lllStatus_, kStatusLength);
  }
}

void FormOot::PickCombo1(std::string text) {
  Combo1 = std::move(text);
  const std::int32_t drug = drugs::FindDrugByName(app_, Combo1);
  if (core::IsDrugNumber(drug)) FillFromDrug(drug, false);
}

void FormOot::EnterInCombo1() { MoveFocus(Focus::Text2, true); }

void FormOot::EnterInText2() {
  if (util::LeadingNumber(Text2) != 0) Add();
}

void FormOot::PickDrugFromList() {
  if (!core::IsTicketNumber(shown_) || app_.tickets()[Index(shown_)].state() == -1) return;
  app_.currentDrugNo = 0;
  const std::int32_t drug = drugs::OpenDrugSearch(app_);
  if (!core::IsDrugNumber(drug)) return;
  SetText1(std::to_string(drug));
  SetCombo1(storage::CleanText(app_.drugs()[Index(drug)].drugName()));
}

// --- Actions ---

void FormOot::Add() {
  std::string notice;
  AddLine(notice);
  // Told once the line is written and the ticket's record let go.
  if (!notice.empty()) app_.interaction().ShowMessage(notice, util::MessageIcon::Information);
}

void FormOot::AddLine(std::string& notice) {
  std::int32_t n = shown_;
  // A ticket without lines in this workstation's table was taken as free;
  // in network mode its first line goes in under a claim of its record.
  const bool fresh = core::IsTicketNumber(n) && n <= app_.settings().ticketCount() &&
                     IsEmptyTicket(app_, n) && core::NetworkActive(app_);
  // 1. The record as another workstation may have left it.
  if (core::IsTicketNumber(n) && !fresh) ShowFailure(app_, RefreshTicket(app_, n));
  // 2. A quantity is needed; a quantity below 1 is refused the same way
  // (a returned drug goes back through a receipt).
  const double typed = util::LeadingNumber(Text2);
  const std::int32_t quantity = util::SafeLong(typed);
  if (typed == 0 || quantity < 1) {
    MoveFocus(Focus::Text2, true);
    return;
  }
  // 3. A ticket of the file.
  if (!core::IsTicketNumber(n) || n > app_.settings().ticketCount()) return;
  // The claim: the record locked and read again; a ticket another
  // workstation has given a line meanwhile is passed over for the next free
  // one, which this screen then shows. The lock is held until the line is
  // written.
  TicketClaim claim;
  if (fresh) {
    claim = ClaimFreshTicket(app_, n);
    if (claim.ticket == 0) {
      notice = claim.full ? std::string(kTicketFileFull) : claim.message;
      ShowPage(shown_);
      return;
    }
    if (claim.moved) {
      notice = TicketMovedMessage(n, claim.ticket);
      n = claim.ticket;
      shown_ = n;
      // The balances as the other workstations have left them.
      drugs::NetworkRecomputeBalances(app_);
      ShowPage(n);
    }
  }
  storage::TicketRecord& t = app_.tickets()[Index(n)];
  // 4. Not saved.
  if (t.state() == -1) return;
  // 5. A drug of the catalogue.
  const std::int32_t drug = drugs::FindDrugByName(app_, Combo1);
  if (drug == 0) {
    Text1.clear();
    MoveFocus(Focus::Text1, false);
    return;
  }
  // 6. A free line, even for a drug already on the ticket.
  int line = FirstEmptyLine(app_, n);
  if (line == 0) return;
  // 7. A drug already on the ticket keeps its line; the quantity is replaced.
  if (const int present = LineOfDrug(app_, drug, n); present > 0) line = present;
  // 8. The balance must cover the quantity.
  if (static_cast<double>(app_.drugs()[Index(drug)].balance()) - typed < 0) return;

  const storage::TicketRecord before = t;
  // 9. The first line dates the ticket.
  if (t.ticketDate() < 40000) t.setTicketDate(app_.Now());
  // 10. The line.
  t.setDrugIndex(line, static_cast<std::int16_t>(drug));
  t.setQuantity(line, quantity);
  // 11. An empty ticket becomes open.
  if (t.state() == 0) t.setState(1);
  // 12. Written, shown, and the entries ready for the next drug.
  const storage::IoStatus saved =
      claim.lock ? core::SaveTicket(app_, n, *claim.lock) : core::SaveTicket(app_, n);
  if (!app_.Report(saved)) {
    // What the screen shows stays what the file holds.
    t = before;
    return;
  }
  if (claim.lock) claim.lock->Release();
  ShowPage(n);
  ClearEntries();
  TextRasid.clear();
  MoveFocus(Focus::Text1, false);
}

void FormOot::NewTicket() {
  if (app_.ProgramFolder().string().find("Back") != std::string::npos) {
    app_.interaction().ShowMessage(kBackupFolderMessage);
    return;
  }
  command3Visible_ = false;
  if (core::NetworkActive(app_)) {
    ShowFailure(app_, RefreshBeforeNewTicket(app_));
    drugs::NetworkRecomputeBalances(app_);
  }
  const std::int32_t free = FirstFreeTicket(app_);
  if (free == 0) {
    app_.interaction().ShowMessage(kTicketFileFull, util::MessageIcon::Warning);
    command3Visible_ = true;
    return;
  }
  ShowFailure(app_, RefreshTicket(app_, free));
  // In memory only: it reaches the file with the first line.
  app_.tickets()[Index(free)].setState(1);

  if (core::IsTicketNumber(shown_) && shown_ != free) {
    const storage::TicketRecord& t = app_.tickets()[Index(shown_)];
    if (t.state() == 1 && LineCount(app_, shown_) > 0) ShowFailure(app_, ToggleSaved(app_, shown_));
  }
  ShowPage(free);
  ClearEntries();
  if (entriesEnabled_) MoveFocus(Focus::Text1, false);
  command3Visible_ = true;
  CheckSingleInstance(app_);
}

void FormOot::SaveOrUnsave() {
  if (!core::IsTicketNumber(shown_)) return;
  ShowFailure(app_, ToggleSaved(app_, shown_));
  ShowPage(shown_);
  // Back to the number box (or, on a saved ticket, to New).
  MoveFocus(Focus::Text1, false);
}

std::int32_t FormOot::LastTicket() const {
  const std::int32_t free = FirstFreeTicket(app_);
  if (free != 0) return free - 1;
  // Every ticket is used: the last one of the file.
  const std::int32_t count = app_.settings().ticketCount();
  const auto capacity = static_cast<std::int32_t>(app_.tickets().capacity());
  return count < capacity ? count : capacity;
}

void FormOot::Previous() {
  if (shown_ > 1) ShowPage(shown_ - 1);
}

void FormOot::Next() {
  if (shown_ < LastTicket()) ShowPage(shown_ + 1);
}

void FormOot::GoToTicket() {
  const double value = util::LeadingNumber(Ask(app_, kGoToPrompt));
  if (value == 0) return;
  if (!(value >= 1 && value <= static_cast<double>(app_.tickets().capacity()))) return;
  const std::int32_t ticket = util::SafeLong(value);
  if (!core::IsTicketNumber(ticket)) return;
  ShowPage(ticket);
}

void FormOot::ClickRow(int row) {
  if (!core::IsTicketNumber(shown_) || row < 1 || row > kGridLines) return;
  const std::int32_t drug = app_.tickets()[Index(shown_)].drugIndex(row);
  if (core::IsDrugNumber(drug)) app_.currentDrugNo = drug;
}

void FormOot::DoubleClickRow(int row) {
  if (app_.interaction().AskYesNo(kAskRemoveLine) != util::Answer::Yes) return;
  const core::Result result = RemoveLine(app_, shown_, row);
  if (result.refused()) {
    app_.interaction().ShowMessage(kRemoveRefused);
  } else {
    ShowFailure(app_, result);
  }
  ShowPage(shown_);
}

std::int32_t FormOot::EditableTicket() {
  if (shown_ == 0) {
    app_.interaction().ShowMessage(kTicketFileFull, util::MessageIcon::Warning);
    return 0;
  }
  if (!core::IsTicketNumber(shown_) || app_.tickets()[Index(shown_)].state() == -1) return 0;
  return shown_;
}

void FormOot::SaveAndShow(std::int32_t ticket) {
  // The caller has changed the record; it is written now.
  if (!app_.Report(core::SaveTicket(app_, ticket))) {
    // The table keeps what the file holds only when the file can be read.
    ShowFailure(app_, core::Result::From(core::RereadTickets(app_, ticket, ticket)));
  }
  ShowPage(ticket);
}

void FormOot::ChooseRecipient() {
  const std::int32_t n = EditableTicket();
  if (n == 0) return;
  app_.Report(core::LoadPatients(app_));
  const std::int32_t p = dispensing::ChooseRecipient(app_);
  const storage::PatientRecord& patient =
      app_.patients()[core::IsPatientNumber(p) ? Index(p) : std::size_t{0}];
  storage::TicketRecord& t = app_.tickets()[Index(n)];
  t.setPatientIndex(core::IsPatientNumber(p) ? p : 0);
  TakeDecision(t, patient);
  const std::int32_t classification = patient.classification();
  t.setClassification(classification < std::numeric_limits<std::int16_t>::min() ||
                              classification > std::numeric_limits<std::int16_t>::max()
                          ? std::int16_t{0}
                          : static_cast<std::int16_t>(classification));
  SaveAndShow(n);
}

void FormOot::EditRecipient() {
  const std::int32_t n = EditableTicket();
  if (n == 0) return;
  const double recipient = app_.tickets()[Index(n)].patientIndex();
  app_.chosenPatient = std::isfinite(recipient) ? util::SafeLong(recipient) : 0;
  FormMaridEdit editor(app_);
  app_.interaction().RunModal(editor);
  const std::int32_t p = editor.LLL();
  if (core::IsPatientNumber(p)) TakeDecision(app_.tickets()[Index(n)], app_.patients()[Index(p)]);
  SaveAndShow(n);
}

void FormOot::RecipientHistory() {
  if (!core::IsTicketNumber(shown_)) return;
  const double recipient = app_.tickets()[Index(shown_)].patientIndex();
  if (!(recipient > 0) || !std::isfinite(recipient)) return;
  app_.chosenPatient = util::SafeLong(recipient);
  OpenRecipientHistory(app_);
}

void FormOot::EditDecisionNumber() {
  const std::int32_t n = EditableTicket();
  if (n == 0) return;
  const double value = util::LeadingNumber(Ask(app_, kDecisionPrompt));
  if (value > kLargestDecisionNumber) return;
  app_.tickets()[Index(n)].setDecisionNumber(util::SafeLong(value));
  SaveAndShow(n);
}

void FormOot::EditAge() {
  const std::int32_t n = EditableTicket();
  if (n == 0) return;
  const std::int32_t age = util::SafeLong(util::LeadingNumber(Ask(app_, kAgePrompt)));
  if (age < std::numeric_limits<std::int16_t>::min() ||
      age > std::numeric_limits<std::int16_t>::max()) {
    return;
  }
  app_.tickets()[Index(n)].setDecisionDays(static_cast<std::int16_t>(age));
  SaveAndShow(n);
}

void FormOot::ChangeTicketDate() {
  if (shown_ == 0) {
    app_.interaction().ShowMessage(kTicketFileFull, util::MessageIcon::Warning);
    return;
  }
  const std::int32_t n = shown_;
  if (!core::IsTicketNumber(n) || LineCount(app_, n) == 0) return;
  const util::OleDate day = core::AskDate(app_);
  if (day < util::MakeDate(kEarliestYear, 1, 1)) return;
  const util::OleDate now = app_.Now();
  app_.tickets()[Index(n)].setTicketDate(util::DateOnly(day) + (now - util::DateOnly(now)));
  SaveAndShow(n);
}

void FormOot::ChangeGroupDates() {
  if (shown_ == 0) {
    app_.interaction().ShowMessage(kTicketFileFull, util::MessageIcon::Warning);
    return;
  }
  const std::int32_t first = util::SafeLong(util::LeadingNumber(Ask(app_, kGroupFromPrompt)));
  const std::int32_t last = util::SafeLong(util::LeadingNumber(Ask(app_, kGroupToPrompt)));
  if (first == 0) return;
  if (static_cast<std::int64_t>(last) - first > kLargestDateGroup) {
    app_.interaction().ShowMessage(kGroupTooLarge);
    return;
  }
  app_.chosenDay = 0;
  const util::OleDate day = core::AskDate(app_);
  if (day == 0) return;
  for (std::int32_t n = first; n <= last; ++n) {
    if (!core::IsTicketNumber(n)) continue;
    // 09:36 of the chosen day.
    app_.tickets()[Index(n)].setTicketDate(util::DateOnly(day) + 0.4);
    app_.Report(core::SaveTicket(app_, n));
  }
  app_.interaction().ShowMessage(kDatesChanged);
  if (core::IsTicketNumber(shown_)) ShowPage(shown_);
}

void FormOot::ShowUnsavedTickets() {
  const UnsavedTickets report = UnsavedTicketsReport(app_, util::DateOnly(app_.Now()));
  core::ShowTextWindow(app_, std::string(kUnsavedTitle), report.text);
}

namespace {

// Each print menu entry: its caption and the layout it prints (0 for the
// 30-item sheet, which has no code).
struct PrintMenuEntry {
  FormOot::PrintEntry entry;
  std::string_view caption;
  std::int32_t layout;
};
constexpr PrintMenuEntry kPrintMenu[] = {
    {FormOot::PrintEntry::Form1, kForm1Caption, kLayoutForm1},
    {FormOot::PrintEntry::Form2, kForm2Caption, kLayoutForm2},
    {FormOot::PrintEntry::A5, kA5Caption, kLayoutA5},
    {FormOot::PrintEntry::TenTickets, kTenTicketsCaption, kLayoutTenTickets},
    {FormOot::PrintEntry::A5PurchaseFee, kA5PurchaseFeeCaption, kLayoutA5PurchaseFee},
    {FormOot::PrintEntry::ThirtyItems, kThirtyItemsCaption, 0},
};

const PrintMenuEntry& MenuEntryOf(FormOot::PrintEntry entry) {
  for (const PrintMenuEntry& e : kPrintMenu) {
    if (e.entry == entry) return e;
  }
  return kPrintMenu[0];
}

}  // namespace

std::string_view FormOot::PrintEntryCaption(PrintEntry entry) { return MenuEntryOf(entry).caption; }

void FormOot::Print(PrintEntry entry) {
  util::PrintDevice& device = app_.printer();
  const std::int32_t ticket = shown_;
  const std::int32_t layout = MenuEntryOf(entry).layout;
  app_.interaction().RunPrintout(device, [this, &device, layout, ticket] {
    if (layout == 0) {
      PrintThirtyItemSheet(app_, device, ticket);
    } else {
      PrintTicketLayout(app_, device, layout, ticket);
    }
  });
}

void FormOot::Reprint() { ReprintTicket(app_, app_.printer(), shown_); }

void FormOot::SetHorizontalMargin() {
  const std::optional<std::string> answer = app_.interaction().InputBox(
      kMarginPrompt, kMarginTitle, NumberText(app_.settings().ticketMargin()));
  if (!answer) return;
  const std::string typed = Trim(*answer);
  if (typed.empty()) return;
  char* end = nullptr;
  const double value = std::strtod(typed.c_str(), &end);
  if (end == nullptr || *end != '\0' || !std::isfinite(value)) return;
  if (value > kLargestMargin) return;
  app_.settings().setTicketMargin(static_cast<float>(value));
  app_.Report(core::SaveSettings(app_));
}

void FormOot::ClickBackground() {
  util::GridCopyWidthsToClipboard(app_.platform(), app_.interaction(), xxx_);
}

void OpenTicketScreen(core::App& app) {
  FormOot screen(app);
  if (app.ExitRequested()) return;
  app.interaction().RunModal(screen);
}

}  // namespace dispensing
