#include "drugs/form_drg.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <system_error>

#include "core/tables.h"
#include "drugs/drug_table.h"
#include "drugs/form_ds.h"
#include "drugs/form_pharm.h"
#include "drugs/form_unitdesc.h"
#include "receipts/form_mrd.h"
#include "receipts/suppliers.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "util/dates.h"

namespace drugs {
namespace {

constexpr double kIntegerMin = std::numeric_limits<std::int16_t>::min();
constexpr double kIntegerMax = std::numeric_limits<std::int16_t>::max();
constexpr double kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr double kLongMax = std::numeric_limits<std::int32_t>::max();
constexpr double kSingleMax = std::numeric_limits<float>::max();

std::string Quoted(DrgBox box) { return "\"" + std::string(BoxInfo(box).label) + "\""; }

// The value of a text that is a number as a whole (blanks around it
// allowed); nothing for an empty text, for text after the number and for
// anything else.
std::optional<double> WholeTextNumber(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  double v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
    return std::nullopt;
  }
  return v;
}

// Reads the boxes into field values; the first box whose value its field
// cannot hold is remembered with its message, and later boxes are not
// judged.
class BoxReader {
 public:
  explicit BoxReader(const FormDrg& form) : form_(form) {}

  const std::string& refusal() const { return refusal_; }

  // A whole number typed as such, for a 2-byte field.
  std::int16_t TypedInteger(DrgBox box) {
    auto v = WholeTextNumber(form_.Text(box));
    return Integer(box, v ? storage::RoundHalfEven(*v) : std::nan(""));
  }
  // The leading number rounded, for a 2-byte field.
  std::int16_t RoundedInteger(DrgBox box) {
    return Integer(box, storage::RoundHalfEven(util::LeadingNumber(form_.Text(box))));
  }
  // The leading number rounded, for a 4-byte whole field.
  std::int32_t RoundedLong(DrgBox box) {
    double v = storage::RoundHalfEven(util::LeadingNumber(form_.Text(box)));
    if (!(v >= kLongMin && v <= kLongMax)) {
      Refuse("خانة " + Quoted(box) + " تقبل رقما صحيحا من -2147483648 الي 2147483647");
      return 0;
    }
    return static_cast<std::int32_t>(v);
  }
  // The leading number, for a 4-byte decimal field.
  float Single(DrgBox box) {
    double v = util::LeadingNumber(form_.Text(box));
    if (!(std::fabs(v) <= kSingleMax)) {
      Refuse("خانة " + Quoted(box) + " تحمل رقما اكبر من ان يحفظ");
      return 0;
    }
    return static_cast<float>(v);
  }

 private:
  std::int16_t Integer(DrgBox box, double v) {
    if (!(v >= kIntegerMin && v <= kIntegerMax)) {
      Refuse("خانة " + Quoted(box) + " تقبل رقما صحيحا من -32768 الي 32767");
      return 0;
    }
    return static_cast<std::int16_t>(v);
  }
  void Refuse(std::string message) {
    if (refusal_.empty()) refusal_ = std::move(message);
  }

  const FormDrg& form_;
  std::string refusal_;
};

// A decimal field as the shortest text that reads back as the same value.
std::string DecimalText(float v) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::string FlagText(bool v) { return std::string(v ? FormDrg::kTrue : FormDrg::kFalse); }

std::string SupplierName(const core::App& app, std::int32_t n) {
  if (n < 1 || static_cast<std::size_t>(n) > storage::kMaxSuppliers) return {};
  return storage::CleanText(app.suppliers()[static_cast<std::size_t>(n)].name());
}

// A number still stands for a drug when the drug is named, holds a balance
// or an opening balance, or is on a ticket or receipt line.
bool DrugNumberInUse(const core::App& app, std::int32_t n) {
  const auto& drug = app.drugs()[static_cast<std::size_t>(n)];
  if (!drug.IsFree() || drug.balance() != 0 || drug.openingBalance() != 0) return true;
  const auto& tickets = app.tickets();
  for (std::size_t t = 1; t <= tickets.capacity(); ++t) {
    for (int line = 1; line <= storage::TicketRecord::kLines; ++line) {
      if (tickets[t].drugIndex(line) == n) return true;
    }
  }
  const auto& receipts = app.receipts();
  for (std::size_t r = 1; r <= receipts.capacity(); ++r) {
    for (int line = 1; line <= storage::ReceiptRecord::kLines; ++line) {
      if (receipts[r].lineDrug(line) == n) return true;
    }
  }
  return false;
}

}  // namespace

const DrgBoxInfo& BoxInfo(DrgBox box) { return kDrgBoxes[static_cast<std::size_t>(box)]; }

FormDrg::FormDrg(core::App& app) : app_(app) {
  std::int32_t n = app_.currentDrugNo;
  if (n == 0 || n > static_cast<std::int32_t>(storage::kMaxDrugs)) n = LastDrug();
  if (n <= 0) n = 1;
  app_.currentDrugNo = n;
  ShowPage(n);
}

bool FormDrg::Locked(DrgBox box) { return BoxInfo(box).kind != BoxKind::Typed; }

util::Colour FormDrg::Background(DrgBox box) {
  switch (BoxInfo(box).kind) {
    case BoxKind::Shown: return kGrey;
    case BoxKind::Picker:
    case BoxKind::Toggle: return kPaleYellow;
    case BoxKind::Typed:
    case BoxKind::Label: break;
  }
  return kWhite;
}

void FormDrg::SetText(DrgBox box, std::string text) {
  if (!Locked(box)) Box(box) = std::move(text);
}

std::int32_t FormDrg::LastDrug() const {
  std::int32_t free = FirstFreeDrug(app_);
  return free == 0 ? static_cast<std::int32_t>(storage::kMaxDrugs) : free - 1;
}

void FormDrg::ShowPage(std::int32_t n) {
  if (!core::IsDrugNumber(n)) return;
  shown_ = n;
  const storage::DrugRecord& d = app_.drugs()[static_cast<std::size_t>(n)];
  Box(DrgBox::DrugName) = d.drugName();
  Box(DrgBox::Expire) = util::FormatMonthYear(d.expiryDate());
  Box(DrgBox::Rasid) = std::to_string(d.balance());
  Box(DrgBox::NormalOut) = std::to_string(d.normalOut());
  Box(DrgBox::Minimum) = std::to_string(d.minimumStock());
  Box(DrgBox::Maximum) = std::to_string(d.maximumStock());
  Box(DrgBox::ManualRate) = std::to_string(d.manualRate());
  Box(DrgBox::Monaqsa) = DecimalText(d.tenderPrice());
  Box(DrgBox::Souq) = DecimalText(d.marketPrice());
  Box(DrgBox::RasmShera) = std::to_string(d.purchaseFeeRate());
  Box(DrgBox::Temp) = std::to_string(d.storageTemperature());
  Box(DrgBox::Makhzan) = SupplierName(app_, d.supplyStore());
  Box(DrgBox::MoraqbaId) = DecimalText(d.custodyControlNo());
  Box(DrgBox::DafterId) = std::to_string(d.ledgerNo());
  Box(DrgBox::MyCode) = d.shortCode();
  Box(DrgBox::UnidDesc) = UnitText(std::to_string(d.unitCode()));
  Box(DrgBox::Pharma) = std::string(TherapeuticGroupName(d.therapeuticGroup()));
  Box(DrgBox::Motawatina) = FlagText(d.endemic());
  Box(DrgBox::Haml) = FlagText(d.pregnancy());
  Box(DrgBox::Omoma) = FlagText(d.maternity());
  Box(DrgBox::ZoTabiyaKhasa) = FlagText(d.specialNature());
  Box(DrgBox::Gadwal) = std::to_string(d.narcoticsSchedule());
}

void FormDrg::Previous() {
  if (shown_ > 1) ShowPage(shown_ - 1);
}

void FormDrg::Next() {
  if (shown_ < LastDrug()) ShowPage(shown_ + 1);
}

void FormDrg::New() {
  std::int32_t free = FirstFreeDrug(app_);
  if (free == 0) {
    app_.interaction().ShowMessage(kCatalogueFull, util::MessageIcon::Information);
    return;
  }
  ShowPage(free);
  Box(DrgBox::Temp) = std::string(kNewTemperature);
}

void FormDrg::Search() {
  OpenDrugSearch(app_);
  std::int32_t free = FirstFreeDrug(app_);
  bool newDrugShown = free != 0 && shown_ >= free;
  if (!newDrugShown) ShowPage(app_.currentDrugNo);
}

void FormDrg::Click(DrgBox box) {
  switch (BoxInfo(box).kind) {
    case BoxKind::Picker:
      if (box == DrgBox::Makhzan) PickSupplier();
      if (box == DrgBox::Pharma) PickGroup();
      break;
    case BoxKind::Label:
      PickUnit();
      break;
    case BoxKind::Toggle:
      if (Box(box) == kTrue) {
        Box(box) = std::string(kFalse);
      } else if (Box(box) == kFalse) {
        Box(box) = std::string(kTrue);
      }
      break;
    case BoxKind::Typed:
    case BoxKind::Shown:
      break;
  }
}

void FormDrg::PickSupplier() {
  app_.chosenItemNo = 0;
  receipts::OpenSupplierDialog(app_);
  Box(DrgBox::Makhzan) = SupplierName(app_, app_.chosenItemNo);
}

void FormDrg::PickGroup() {
  app_.chosenItemNo = 0;
  FormPharm list(app_);
  app_.interaction().RunModal(list);
  Box(DrgBox::Pharma) = std::string(TherapeuticGroupName(app_.chosenItemNo));
}

void FormDrg::PickUnit() {
  FormUnitdesc list(app_);
  app_.interaction().RunModal(list);
  if (app_.dialogResult != FormUnitdesc::kNoChoice) Box(DrgBox::UnidDesc) = app_.dialogResult;
}

void FormDrg::Save() {
  if (!core::IsDrugNumber(shown_)) return;
  storage::DrugRecord& stored = app_.drugs()[static_cast<std::size_t>(shown_)];
  storage::DrugRecord d = stored;
  BoxReader read(*this);
  d.setDrugName(Text(DrgBox::DrugName));
  d.setNormalOut(read.TypedInteger(DrgBox::NormalOut));
  d.setMinimumStock(read.TypedInteger(DrgBox::Minimum));
  d.setMaximumStock(read.TypedInteger(DrgBox::Maximum));
  d.setManualRate(read.TypedInteger(DrgBox::ManualRate));
  d.setTenderPrice(read.Single(DrgBox::Monaqsa));
  d.setMarketPrice(read.Single(DrgBox::Souq));
  d.setPurchaseFeeRate(read.RoundedLong(DrgBox::RasmShera));
  d.setStorageTemperature(read.RoundedInteger(DrgBox::Temp));
  d.setSupplyStore(static_cast<std::int16_t>(receipts::FindSupplierByName(app_, Text(DrgBox::Makhzan))));
  d.setCustodyControlNo(read.Single(DrgBox::MoraqbaId));
  d.setLedgerNo(read.RoundedInteger(DrgBox::DafterId));
  d.setShortCode(Text(DrgBox::MyCode));
  d.setUnitCode(static_cast<std::int16_t>(util::LeadingNumber(UnitText(Text(DrgBox::UnidDesc)))));
  d.setTherapeuticGroup(static_cast<std::int16_t>(FindGroupByName(Text(DrgBox::Pharma))));
  d.setEndemic(Text(DrgBox::Motawatina) == kTrue);
  d.setPregnancy(Text(DrgBox::Haml) == kTrue);
  d.setMaternity(Text(DrgBox::Omoma) == kTrue);
  d.setSpecialNature(Text(DrgBox::ZoTabiyaKhasa) == kTrue);
  d.setNarcoticsSchedule(read.RoundedInteger(DrgBox::Gadwal));

  if (!read.refusal().empty()) {
    app_.interaction().ShowMessage(read.refusal(), util::MessageIcon::Warning);
    return;
  }
  if (d.IsFree() && DrugNumberInUse(app_, shown_)) {
    app_.interaction().ShowMessage(kNameInUse, util::MessageIcon::Warning);
    return;
  }
  const storage::DrugRecord before = stored;
  stored = d;
  if (!app_.Report(core::SaveAllDrugs(app_))) {
    stored = before;
    return;
  }
  ShowPage(shown_);
}

void FormDrg::LoadTemplate(CatalogueTemplate which) {
  core::Result result = ReplaceCatalogue(app_, which);
  if (result.done()) {
    closed_ = true;
    app_.RequestExit();
    return;
  }
  if (!result.message().empty()) {
    app_.interaction().ShowMessage(result.message(), result.failed() ? util::MessageIcon::Error
                                                                     : util::MessageIcon::Warning);
  }
}

void OpenDrugScreen(core::App& app) {
  FormDrg screen(app);
  app.interaction().RunModal(screen);
}

}  // namespace drugs
