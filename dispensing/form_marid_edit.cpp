#include "dispensing/form_marid_edit.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

#include "core/tables.h"
#include "core/users.h"
#include "dispensing/form_ptnt.h"
#include "dispensing/patients.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "storage/name_records.h"
#include "storage/ticket_record.h"
#include "util/dates.h"

namespace dispensing {
namespace {

using core::Result;

// A stored number as a text box shows it: up to 15 significant digits, no
// trailing zeros.
std::string NumberText(double v) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  if (res.ec != std::errc()) return "0";
  return std::string(buf, res.ptr);
}

// The number of characters (not bytes) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8) {
  return static_cast<std::size_t>(std::count_if(
      utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool IsRecord(const core::App& app, std::int32_t patient) {
  return core::IsPatientNumber(patient) && app.patients().Contains(static_cast<std::size_t>(patient));
}

std::size_t LastPatient(const core::App& app) {
  return std::min(app.patients().capacity(), storage::kMaxPatients);
}

}  // namespace

std::vector<util::OleDate> LastTicketDates(const core::App& app) {
  std::vector<util::OleDate> dates(storage::kMaxPatients + 1, 0.0);
  const auto& tickets = app.tickets();
  for (std::size_t n = 1, last = tickets.capacity(); n <= last; ++n) {
    const double p = tickets[n].patientIndex();
    // Only whole numbers of the table name a recipient (NaN fails both tests).
    if (!(p >= 1 && p <= static_cast<double>(storage::kMaxPatients)) || p != std::floor(p)) continue;
    dates[static_cast<std::size_t>(p)] = tickets[n].ticketDate();
  }
  return dates;
}

ReplaceCandidate FindReplaceableRecipient(const core::App& app, std::int32_t after) {
  const std::vector<util::OleDate> dates = LastTicketDates(app);
  const util::OleDate now = app.Now();
  const auto last = static_cast<std::int32_t>(storage::kMaxPatients);
  for (std::int32_t p = std::max(after, 0) + 1; p <= last; ++p) {
    const util::OleDate d = dates[static_cast<std::size_t>(p)];
    if (now - d > kReplaceAfterDays) return {p, d};
  }
  return {};
}

FormMaridEdit::FormMaridEdit(core::App& app) : app_(app) {
  const RecipientWords words = WordsForProgramType(app_.settings().programType());
  caption_ = words.editorCaption;
  nameCaption_ = words.editorNameCaption;
  numberCaption_ = words.editorNumberCaption;
  app_.Report(core::LoadPatients(app_));
  std::int32_t patient = app_.chosenPatient;
  if (patient == 0) patient = FirstFreePatient(app_) - 1;
  if (patient < 1) patient = 1;
  Show(patient);
}

void FormMaridEdit::Show(std::int32_t patient) {
  lll_ = patient;
  // Record 0, and any number outside the table, shows as an empty record.
  const storage::PatientRecord empty{};
  const storage::PatientRecord& r =
      IsRecord(app_, patient) ? app_.patients()[static_cast<std::size_t>(patient)] : empty;
  TextName = storage::CleanText(r.name());
  Textnid = NumberText(r.nationalId());
  TextQMony = std::to_string(r.decisionAmount());
  TextQPeriod = std::to_string(r.decisionDays());
  TextQID = NumberText(r.decisionNumber());
  classy_ = ClassificationText(r.classification());
  startDate_ = util::FormatDayMonthYear(r.decisionStart());
}

void FormMaridEdit::ClickLLL() { Show(ChooseRecipient(app_)); }

void FormMaridEdit::NameTyped(std::string text) {
  TextName = std::move(text);
  status_.clear();
  if (CharacterCount(TextName) < 2) return;
  const auto& patients = app_.patients();
  for (std::size_t n = 1, last = LastPatient(app_); n <= last; ++n) {
    if (patients[n].IsFree()) continue;
    const std::string name = storage::CleanText(patients[n].name());
    if (name.starts_with(TextName)) status_ += "   " + name;
  }
}

void FormMaridEdit::ClickClassy() {
  classy_ = classy_ == kClassificationKidney ? std::string(kClassificationGeneral)
                                             : std::string(kClassificationKidney);
}

Result FormMaridEdit::Save() {
  if (SubDeviceLocked(app_)) {
    app_.interaction().ShowMessage(kSaveLocked, util::MessageIcon::Warning);
    return Result::Refused(std::string(kSaveLocked));
  }
  // Record 0 stands for no recipient and is never written.
  if (!IsRecord(app_, lll_)) return Result::Refused();
  if (storage::CleanText(TextName).empty()) {
    app_.interaction().ShowMessage(kNameMissing, util::MessageIcon::Warning);
    return Result::Refused(std::string(kNameMissing));
  }
  Result named = SetPatientName(app_, lll_, TextName);
  if (!named) {
    app_.interaction().ShowMessage(named.message(), util::MessageIcon::Warning);
    return named;
  }
  storage::PatientRecord& r = app_.patients()[static_cast<std::size_t>(lll_)];
  r.setNationalId(util::LeadingNumber(Textnid));
  r.setDecisionAmount(util::SafeLong(util::LeadingNumber(TextQMony)));
  r.setDecisionDays(util::SafeLong(util::LeadingNumber(TextQPeriod)));
  r.setDecisionNumber(util::LeadingNumber(TextQID));
  r.setClassification(util::SafeLong(util::LeadingNumber(ClassificationText(classy_))));
  const storage::IoStatus status = core::SavePatients(app_);
  app_.Report(status);
  return Result::From(status);
}

void FormMaridEdit::ClickStartDate() {
  (void)Save();
  const util::OleDate day = core::AskDate(app_);
  if (day != 0 && IsRecord(app_, lll_)) {
    app_.patients()[static_cast<std::size_t>(lll_)].setDecisionStart(day);
    app_.Report(core::SavePatients(app_));
  }
  Show(lll_);
}

void FormMaridEdit::New() {
  app_.Report(core::LoadPatients(app_));
  if (SubDeviceLocked(app_)) {
    app_.interaction().ShowMessage(kNewLocked, util::MessageIcon::Warning);
    return;
  }
  app_.Report(core::LoadPatients(app_));
  const std::int32_t free = FirstFreePatient(app_);
  Show(free == 0 ? 1 : free);
}

void FormMaridEdit::Replace() {
  // The first search of a showing starts after record 1, with the
  // explanation; later ones continue after the record shown.
  std::int32_t after = lll_;
  if (!replaceExplained_) {
    replaceExplained_ = true;
    after = 1;
    app_.interaction().ShowMessage(kReplaceExplanation, util::MessageIcon::Information);
  }
  const ReplaceCandidate found = FindReplaceableRecipient(app_, after);
  if (found.patient > 0) Show(found.patient);
  app_.interaction().ShowMessage(std::string(kLastVisit) + util::DateToYmdText(found.lastTicket),
                                 util::MessageIcon::Information);
}

void FormMaridEdit::BlinkTick() {
  statusColour_ = statusColour_ == kStatusRed ? kStatusLight : kStatusRed;
}

void OpenRecipientEditor(core::App& app) {
  FormMaridEdit screen(app);
  app.interaction().RunModal(screen);
}

}  // namespace dispensing
