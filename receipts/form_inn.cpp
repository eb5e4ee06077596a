#include "receipts/form_inn.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <utility>

#include "core/settings.h"
#include "core/tables.h"
#include "core/users.h"
#include "dispensing/ticket_table.h"
#include "drugs/drug_table.h"
#include "receipts/form_mrd.h"
#include "receipts/receipt_table.h"
#include "storage/helpers.h"
#include "storage/receipt_record.h"
#include "util/dates.h"
#include "util/grid_helpers.h"

namespace receipts {
namespace {

std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

// "YYYY-MM-DD   hh:mm:ss" (three spaces); empty for an order without a date.
std::string OrderDateText(util::OleDate d) {
  if (d == 0 || !std::isfinite(d)) return {};
  const util::CivilDateTime c = util::ToCivil(d);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d   %02d:%02d:%02d", c.year, c.month, c.day,
                c.hour, c.minute, c.second);
  return text;
}

// "MM-YYYY"; empty for a line that never had an expiry date.
std::string MonthText(util::OleDate d) { return d == 0 ? std::string() : util::FormatMonthYear(d); }

std::string DrugName(const core::App& app, std::int32_t drug) {
  if (!core::IsDrugNumber(drug)) return {};
  return app.drugs()[Index(drug)].drugName();
}

std::string SupplierName(const core::App& app, double supplier) {
  if (!std::isfinite(supplier)) return {};
  const double number = storage::RoundHalfEven(supplier);
  if (number < 1 || number > static_cast<double>(app.suppliers().capacity())) return {};
  return storage::CleanText(app.suppliers()[static_cast<std::size_t>(number)].name());
}

// The cleaned names of the catalogue, in the order the grids sort texts.
std::vector<std::string> SortedDrugNames(const core::App& app) {
  util::Grid names("Combo1", 1, 1);
  const auto& drugs = app.drugs();
  for (std::size_t n = 1; n <= drugs.capacity(); ++n) {
    if (!drugs[n].IsFree()) names.AppendRow({drugs[n].drugName()});
  }
  util::GridSortByColumn(names, 0, "AZ");
  std::vector<std::string> list;
  list.reserve(static_cast<std::size_t>(names.Rows()));
  for (int row = 1; row < names.Rows(); ++row) list.push_back(names.Text(row, 0));
  return list;
}

}  // namespace

util::OleDate ExpiryMonth(std::string_view typed) {
  const std::size_t first = typed.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  typed = typed.substr(first, typed.find_last_not_of(' ') - first + 1);
  if (typed.size() != 7 || typed[2] != '-') return 0;
  return util::MonthTextToDate(typed);
}

FormInn::FormInn(core::App& app) : app_(app), xxx_("xxx", kGridLines + 1, 4) {
  util::GridSetHeaders(xxx_, {"الصلاحية", "الكمية", "الدواء", ""});
  util::FlxSetColumnWdth(xxx_, "2000-2000-4600-1420");
  util::GridCenterAllColumns(xxx_);

  combo1List_ = SortedDrugNames(app_);
  const util::OleDate month = util::MonthFirstDay(util::DateOnly(app_.Now()));
  for (int ahead = kExpiryMonths - 1; ahead >= 0; --ahead) {
    comboExpireList_.push_back(util::FormatMonthYear(util::AddMonths(month, ahead)));
  }
  ComboExpire = util::FormatMonthYear(util::AddMonths(month, kExpiryStartAhead));

  // The last used order; with every number used, the last one.
  const std::int32_t free = FirstFreeReceipt(app_);
  std::int32_t receipt = free;
  if (free == 0) {
    receipt = static_cast<std::int32_t>(app_.receipts().capacity());
  } else if (free > 1) {
    receipt = free - 1;
  }
  ShowPage(receipt);
  app_.settings().setLastDocumentNo(receipt);
  app_.Report(core::SaveSettings(app_));
}

void FormInn::ShowPage(std::int32_t receipt) {
  shown_ = receipt;
  lll_ = std::to_string(receipt);
  const storage::ReceiptRecord& rec = app_.receipts()[Index(receipt)];
  {
    util::Grid::Batch batch(xxx_);
    for (int row = 1; row <= kGridLines; ++row) util::GridClearRow(xxx_, row);
    for (int k = 1; k <= kGridLines; ++k) {
      const std::int32_t drug = rec.lineDrug(k);
      if (drug <= 0) continue;
      xxx_.SetRow(k, {MonthText(rec.lineExpiry(k)), std::to_string(rec.lineQuantity(k)),
                      DrugName(app_, drug), std::to_string(drug)});
    }
  }
  lllDate_ = OrderDateText(rec.receiptDate());
  cccDay_ = rec.receiptDate() == 0 ? std::string() : util::DayName(rec.receiptDate());
  lllUserId_ = std::to_string(rec.receiptUser());
  lllMrd_ = SupplierName(app_, rec.supplier());
  if (rec.receiptState() == -1) command7_ = kBackCaption;
  if (rec.receiptState() == 1) command7_ = kSendCaption;
  const bool sent = rec.receiptState() == -1;
  entriesEnabled_ = !sent;
  entryColour_ = sent ? kSentEntryColour : kOpenEntryColour;
}

std::int32_t FormInn::LastOrder() const {
  const std::int32_t free = FirstFreeReceipt(app_);
  return free == 0 ? static_cast<std::int32_t>(app_.receipts().capacity()) : free - 1;
}

void FormInn::ClearEntries() {
  Text1.clear();
  Combo1.clear();
  Text2.clear();
}

void FormInn::SetText1(std::string text) {
  Text1 = std::move(text);
  const double value = util::LeadingNumber(Text1);
  if (value >= 1 && value <= static_cast<double>(app_.drugs().capacity())) {
    Combo1 = DrugName(app_, util::SafeLong(value));
  }
}

void FormInn::EnterInText1() {
  if (Text1 == "+") {
    NewOrder();
    return;
  }
  focus_ = Focus::Text2;
}

void FormInn::EnterInCombo1() { focus_ = Focus::Text2; }

void FormInn::EnterInText2() { focus_ = Focus::ComboExpire; }

void FormInn::EnterInComboExpire() {
  if (TryAddLine() == AddOutcome::BadExpiry) {
    focus_ = Focus::ComboExpire;
    return;
  }
  ClearEntries();
  focus_ = Focus::Text1;
}

void FormInn::AddLine() { TryAddLine(); }

FormInn::AddOutcome FormInn::TryAddLine() {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r)) return AddOutcome::Stopped;
  int k = FirstEmptyReceiptLine(app_, r);
  if (k == 0) return AddOutcome::Stopped;

  const std::int32_t d = drugs::FindDrugByName(app_, Combo1);
  app_.currentDrugNo = d;
  if (d == 0) {
    focus_ = Focus::Text1;
    return AddOutcome::Stopped;
  }

  const double q = util::LeadingNumber(Text2);
  if (static_cast<double>(app_.drugs()[Index(d)].balance()) + q < 0) {
    app_.interaction().ShowMessage(kNotEnough);
    return AddOutcome::Stopped;
  }
  if (const int present = ReceiptLineOfDrug(app_, d, r); present > 0) k = present;

  storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  if (rec.receiptState() == -1) return AddOutcome::Stopped;

  util::OleDate expiry = 0;
  if (q > 0) {
    expiry = ExpiryMonth(ComboExpire);
    if (expiry == 0) {
      app_.interaction().ShowMessage(kBadExpiryMonth, util::MessageIcon::Warning);
      return AddOutcome::BadExpiry;
    }
  }

  const storage::ReceiptRecord before = rec;
  rec.setLineDrug(k, d);
  rec.setLineQuantity(k, util::SafeLong(q));
  if (q > 0) rec.setLineExpiry(k, expiry);
  if (rec.receiptDate() == 0) rec.setReceiptDate(app_.Now());
  if (rec.receiptState() == 0) rec.setReceiptState(1);
  if (!app_.Report(core::SaveReceipt(app_, r))) {
    // What the screen shows stays what the file holds.
    rec = before;
    return AddOutcome::Stopped;
  }
  ShowPage(r);
  return AddOutcome::Stored;
}

void FormInn::SendShown() {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r)) return;
  const storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  if (!(util::DateOnly(rec.receiptDate()) > app_.settings().anchorDate())) {
    app_.interaction().ShowMessage(dispensing::kAnchorDateMessage, util::MessageIcon::Warning);
    return;
  }
  core::Result result = ToggleSent(app_, r);
  if (!result.message().empty()) app_.interaction().ShowMessage(result.message(), util::MessageIcon::Error);
}

void FormInn::SendOrBack() {
  SendShown();
  if (core::IsReceiptNumber(shown_)) ShowPage(shown_);
}

void FormInn::NewOrder() {
  const std::int32_t free = FirstFreeReceipt(app_);
  if (free == 0) {
    app_.interaction().ShowMessage(kReceiptFileFull, util::MessageIcon::Warning);
    return;
  }
  if (core::IsReceiptNumber(shown_) && app_.receipts()[Index(shown_)].receiptState() == 1) {
    SendShown();
  }
  ShowPage(free);
  ClearEntries();
  focus_ = Focus::Text1;
}

void FormInn::Previous() {
  if (shown_ > 1) ShowPage(shown_ - 1);
}

void FormInn::Next() {
  if (shown_ < LastOrder()) ShowPage(shown_ + 1);
}

void FormInn::ClickRow(int row) {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r) || row < 1 || row > kGridLines) return;
  storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  // A row without a drug has nothing to remove.
  if (rec.lineDrug(row) == 0) return;
  if (app_.interaction().AskYesNo(kAskRemoveLine) != util::Answer::Yes) return;
  if (rec.receiptUser() != app_.settings().currentUser()) {
    app_.interaction().ShowMessage(kNotTheWriter, util::MessageIcon::Information);
    return;
  }
  core::Result result = RemoveReceiptLine(app_, r, row);
  if (result.refused()) {
    app_.interaction().ShowMessage(kRemoveRefused);
  } else if (result.failed()) {
    app_.interaction().ShowMessage(result.message(), util::MessageIcon::Error);
  }
  ShowPage(r);
}

void FormInn::ChooseSupplier() {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r)) return;
  storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  if (rec.receiptState() == -1) return;
  app_.chosenItemNo = 0;
  const std::int32_t chosen = OpenSupplierDialog(app_);
  if (chosen <= 0) return;
  const double before = rec.supplier();
  rec.setSupplier(chosen);
  if (!app_.Report(core::SaveReceipt(app_, r))) rec.setSupplier(before);
  ShowPage(r);
}

void FormInn::ChangeDate() {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r) || ReceiptLineCount(app_, r) == 0) return;
  const util::OleDate day = core::AskDate(app_);
  if (day < util::MakeDate(kEarliestYear, 1, 1)) return;
  const util::OleDate now = app_.Now();
  storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  const double before = rec.receiptDate();
  rec.setReceiptDate(util::DateOnly(day) + (now - util::DateOnly(now)));
  if (!app_.Report(core::SaveReceipt(app_, r))) rec.setReceiptDate(before);
  ShowPage(r);
}

void FormInn::DeleteWholeOrder() {
  const std::int32_t r = shown_;
  if (!core::IsReceiptNumber(r)) return;
  storage::ReceiptRecord& rec = app_.receipts()[Index(r)];
  if (rec.receiptState() == -1) return;
  if (app_.interaction().AskYesNo(kAskDeleteAll, util::MessageIcon::Question) != util::Answer::Yes) {
    return;
  }
  const storage::ReceiptRecord before = rec;
  for (int k = 2; k <= kGridLines; ++k) {
    rec.setLineDrug(k, 0);
    rec.setLineQuantity(k, 0);
  }
  // Written at once, so that what the screen shows is what the file holds.
  if (!app_.Report(core::SaveReceipt(app_, r))) rec = before;
  ShowPage(r);
}

void OpenReceiptScreen(core::App& app) {
  FormInn screen(app);
  app.interaction().RunModal(screen);
}

}  // namespace receipts
