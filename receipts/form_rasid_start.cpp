#include "receipts/form_rasid_start.h"

#include <algorithm>
#include <cstddef>

#include "core/form_msg.h"
#include "core/tables.h"
#include "core/users.h"
#include "dispensing/ticket_table.h"
#include "drugs/drug_table.h"
#include "receipts/receipt_table.h"
#include "util/dates.h"
#include "util/grid_helpers.h"
#include "util/numbers.h"

namespace receipts {
namespace {

std::size_t Index(std::int32_t n) { return static_cast<std::size_t>(n); }

bool IsSupport(const core::App& app) {
  return app.settings().currentUser() == core::kTechnicalSupport;
}

bool IsBlank(const std::string& item) {
  return item.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

bool DocumentsHoldLines(const core::App& app, std::int32_t last) {
  for (std::int32_t n = 1; n <= last; ++n) {
    if (core::IsTicketNumber(n) && dispensing::LineCount(app, n) > 0) return true;
    if (core::IsReceiptNumber(n) && ReceiptLineCount(app, n) > 0) return true;
  }
  return false;
}

core::Result StoreOpeningBalance(core::App& app, std::int32_t drug, std::int32_t quantity,
                                 util::OleDate expiry) {
  if (!IsSupport(app) && DocumentsHoldLines(app, FormRasidStart::kDocumentsOnOk)) {
    app.interaction().ShowMessage(kOpeningBalanceNeedsEmptyProgram);
    return core::Result::Refused(std::string(kOpeningBalanceNeedsEmptyProgram));
  }
  if (!core::IsDrugNumber(drug)) return core::Result::Refused();
  storage::DrugRecord& record = app.drugs()[Index(drug)];
  const storage::DrugRecord before = record;
  record.setOpeningBalance(quantity);
  record.setBalance(quantity);
  record.setExpiryDate(expiry);
  core::Result result = core::Result::From(core::SaveAllDrugs(app));
  if (!result) record = before;
  return result;
}

FormRasidStart::FormRasidStart(core::App& app) : app_(app), xxx_("xxx", kRows + 1, 5) {
  util::GridSetHeaders(xxx_, {"", "الدواء", "رصيد افتتاحي", "الصلاحية", "رصيد حالي"});
  util::FlxSetColumnWdth(xxx_, "1100-3800-1700-1700-1700");
  util::GridCenterAllColumns(xxx_);
  FillGrid();

  comboMList_.emplace_back(kBlank);
  for (int month = 1; month <= 12; ++month) comboMList_.push_back(std::to_string(month));
  comboYList_.emplace_back(kBlank);
  const int year = util::ToCivil(app_.Now()).year;
  for (int y = year; y <= year + kYearsAhead; ++y) comboYList_.push_back(std::to_string(y));

  if (!IsSupport(app_) && DocumentsHoldLines(app_, kDocumentsOnOpening)) inputsEnabled_ = false;
}

void FormRasidStart::FillGrid() {
  const int top = xxx_.TopRow();
  {
    util::Grid::Batch batch(xxx_);
    const auto& drugs = app_.drugs();
    for (int k = 1; k <= kRows; ++k) {
      const storage::DrugRecord& d = drugs[Index(k)];
      if (d.IsFree()) {
        util::GridClearRow(xxx_, k);
        continue;
      }
      const double expiry = d.expiryDate();
      xxx_.SetRow(k, {std::to_string(k), d.drugName(), std::to_string(d.openingBalance()),
                      expiry == 0 ? std::string() : util::FormatMonthYear(expiry),
                      std::to_string(d.balance())});
    }
  }
  xxx_.SetTopRow(top);
}

void FormRasidStart::ListYear(int year) {
  const std::string text = std::to_string(year);
  if (std::find(comboYList_.begin(), comboYList_.end(), text) != comboYList_.end()) return;
  // Years are listed in order after the blank item.
  auto at = comboYList_.begin() + 1;
  while (at != comboYList_.end() && util::LeadingNumber(*at) < year) ++at;
  comboYList_.insert(at, text);
}

void FormRasidStart::ClickRow(int row) {
  if (row < 1) return;
  const std::int32_t d = drugs::FindDrugByName(app_, xxx_.Text(row, 1));
  app_.currentDrugNo = d;
  if (d == 0) return;
  const storage::DrugRecord& record = app_.drugs()[Index(d)];
  lllDrugName_ = record.drugName();
  TextQ = std::to_string(record.openingBalance());
  if (record.expiryDate() != 0) {
    const util::CivilDateTime c = util::ToCivil(record.expiryDate());
    ListYear(c.year);
    ComboM = std::to_string(c.month);
    ComboY = std::to_string(c.year);
  } else {
    ComboM = kBlank;
    ComboY = kBlank;
  }
  focus_ = Focus::TextQ;
}

void FormRasidStart::Ok() {
  if (!inputsEnabled_) return;
  const std::int32_t d = drugs::FindDrugByName(app_, lllDrugName_);
  app_.currentDrugNo = d;
  // A blank month or year stores no expiry date.
  util::OleDate expiry = 0;
  if (!IsBlank(ComboM) && !IsBlank(ComboY)) {
    expiry = util::MakeDate(static_cast<int>(util::LeadingNumber(ComboY)),
                            static_cast<int>(util::LeadingNumber(ComboM)), 1);
  }
  core::Result result =
      StoreOpeningBalance(app_, d, util::SafeLong(util::LeadingNumber(TextQ)), expiry);
  if (result.failed()) app_.interaction().ShowMessage(result.message(), util::MessageIcon::Error);
  if (result.done()) FillGrid();
}

void OpenOpeningBalance(core::App& app) {
  FormRasidStart screen(app);
  app.interaction().RunModal(screen);
}

std::string OpeningBalanceHelpText() {
  return core::JoinLines({
      "دور هذه الشاشة هو اخبار البرنامج بارصدة الادوةي الموجودة الان فعليا",
      "ويجب ان يكون التاريخ هو نهاية اخر يوم في الشهر",
      "",
      "من قائمة ملف اختر امر الرصيد الافتتاحي لفتح الشاشة",
      "",
      "يظهر امامك جدول بالادوية المسجلة علي البرنامج قم باختيار الدواء بالنقر عليه مباشرة",
      "يظهر اسفل الجدول حقلين احدهما يطلب منك ادخال الكمية",
      "والاخر يطالبك بادخال تاريخ الصلاحية",
      "",
      "",
  });
}

void ShowOpeningBalanceHelp(core::App& app) {
  core::ShowTextWindow(app, std::string(kOpeningBalanceHelpTitle), OpeningBalanceHelpText());
}

}  // namespace receipts
