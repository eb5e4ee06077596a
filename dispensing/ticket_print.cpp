#include "dispensing/ticket_print.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "core/form_print.h"
#include "core/settings.h"
#include "dispensing/ticket_money.h"
#include "storage/helpers.h"
#include "util/dates.h"
#include "util/numbers.h"
#include "util/print_helpers.h"

namespace dispensing {
namespace {

constexpr double kExternalFactor = 1.07;
constexpr std::int32_t kFirstNonRecipient = 30000;
constexpr double kFontSize = 12;
constexpr double kHospitalFontSize = 13;
constexpr double kDepartmentFontSize = 10;
constexpr double kTenTicketsFontSize = 8;

constexpr std::string_view kVoucherTitle = "فاتورة صرف علاج";
constexpr std::string_view kTicketTitle = "تذكرة صرف علاج";
constexpr std::string_view kDateCaption = "تاريخ الصرف";
constexpr std::string_view kDaysCaption = " مدة القرار";
constexpr std::string_view kDaysInDaysCaption = " مدة القرار باليوم";
constexpr std::string_view kAmountCaption = " مبلغ القرار";
constexpr std::string_view kNumberCaption = " رقم القرار";
constexpr std::string_view kNameCaption = "الاسم";
constexpr std::string_view kExternalTotalCaption = "ج.خارجي";
constexpr std::string_view kTenderTotalCaption = "ج.مناقصة";
constexpr std::string_view kExternalCaption = "خارجي";
constexpr std::string_view kTenderCaption = "مناقصة";
constexpr std::string_view kCountCaption = "عدد";
constexpr std::string_view kDrugCaption = "دواء";
constexpr std::string_view kFeeCaption = "رسم شرا";
constexpr std::string_view kSurchargeCaption = "7%";
constexpr std::string_view kTotalAtTender = "الاجمالي بسعر المناقصة";
constexpr std::string_view kTotalExternal = "الاجمالي للخارجي";
constexpr std::string_view kDifference = "الفرق";
constexpr std::string_view kReceiver = "المستلم ";
constexpr std::string_view kReceiverNoSpace = "المستلم";
constexpr std::string_view kPharmacist = "الصيدلي المختص";
constexpr std::string_view kPharmacistSignature = "توقيع الصيدلي المختص";
constexpr std::string_view kHeadOfDepartment = "رئيس القسم";
constexpr std::string_view kApproved = "يعتمد";
constexpr std::string_view kTenderSum = "اجمالي المناقصة";
constexpr std::string_view kExternalSum = "اجمالي الخارجي";
constexpr std::string_view kDifference2 = "الفارق";
constexpr std::string_view kDecision = "القرار";
constexpr std::string_view kForBeneficiary = "للمستفيد";
constexpr std::string_view kDateWord = "تاريخ";

// What a printout shows of one ticket.
struct TicketView {
  storage::TicketRecord record;
  std::string name;
  std::string decisionDays;
  std::string decisionAmount;
  std::string decisionNumber;
  std::string date;
  float tenderTotal = 0;
  float patientTotal = 0;
  float feeAndSurcharge = 0;  // TicketFeeTotalRounded + TicketSurchargeTotal
};

struct LineView {
  std::string drug;
  std::string quantity;
  std::string price;
  std::string externalPrice;
  std::string tenderTotal;
  std::string externalTotal;
  std::string surcharge;
  std::string fee;
  std::string externalTotalWithFee;
};

std::string Whole(double v) { return PrintedNumber(storage::RoundHalfEven(v)); }

TicketView ViewOf(const core::App& app, std::int32_t ticket) {
  TicketView v;
  if (ticket >= 1 && app.tickets().Contains(static_cast<std::size_t>(ticket))) {
    v.record = app.tickets()[static_cast<std::size_t>(ticket)];
  }
  const storage::TicketRecord& t = v.record;
  const double recipient = t.patientIndex();
  if (recipient >= 1 && recipient < kFirstNonRecipient) {
    const auto n = static_cast<std::size_t>(recipient);
    if (app.patients().Contains(n)) {
      const storage::PatientRecord& p = app.patients()[n];
      v.name = p.name();
      v.decisionDays = Whole(p.decisionDays());
      v.decisionAmount = Whole(p.decisionAmount());
    }
  }
  v.decisionNumber = Whole(t.decisionNumber());
  v.date = util::DateToYmdText(t.ticketDate());
  v.tenderTotal = storage::Round2(TicketTenderValue(t, app.drugs()));
  v.patientTotal = storage::Round2(TicketPatientTotal(t, app.drugs()));
  v.feeAndSurcharge = TicketFeeTotalRounded(t, app.drugs()) + TicketSurchargeTotal(t, app.drugs());
  return v;
}

LineView LineOf(const core::App& app, const storage::TicketRecord& t, int line) {
  LineView l;
  const std::int16_t drug = t.drugIndex(line);
  const std::int32_t quantity = t.quantity(line);
  double price = 0;
  if (drug >= 1 && app.drugs().Contains(static_cast<std::size_t>(drug))) {
    const storage::DrugRecord& d = app.drugs()[static_cast<std::size_t>(drug)];
    l.drug = storage::CleanText(d.drugName());
    price = storage::Round2(d.tenderPrice());
  }
  l.quantity = PrintedNumber(quantity);
  l.price = PrintedNumber(price);
  l.externalPrice = PrintedNumber(storage::Round2(price * kExternalFactor));
  l.tenderTotal = PrintedNumber(storage::Round2(price * quantity));
  const float externalTotal = storage::Round2(price * quantity * kExternalFactor);
  l.externalTotal = PrintedNumber(externalTotal);
  const float fee = LineFee(t, app.drugs(), line);
  l.surcharge = PrintedNumber(LineSurcharge(t, app.drugs(), line));
  l.fee = PrintedNumber(fee);
  l.externalTotalWithFee = PrintedNumber(static_cast<double>(externalTotal) + fee);
  return l;
}

// Draws centred texts in boxes left..right, shifted by dx, on one row.
class Page {
 public:
  Page(util::PrintDevice& device, double dx) : device_(device), dx_(dx) {}
  void Centre(std::string_view text, double left, double right, double y, double size = 0) {
    util::PrintCentered(device_, text, right - left, dx_ + left, y, size);
  }
  void Right(std::string_view text, double left, double right, double y) {
    util::PrintRightAligned(device_, text, right - left, dx_ + left, y);
  }
  void Grid(double top, int rows, double rowHeight, int lineWidth, std::string_view widths) {
    util::PrintTableGrid(device_, dx_, top, rows, rowHeight, lineWidth, widths);
  }
  util::PrintDevice& device() { return device_; }

 private:
  util::PrintDevice& device_;
  double dx_;
};

void Start(util::PrintDevice& device, std::string_view job, double fontSize) {
  device.SetJobName(job);
  device.SetScaleModeMillimetres();
  device.SetFontSize(fontSize);
}

core::Result StoreLayout(core::App& app, std::int16_t code) {
  app.settings().setTicketLayout(code);
  return core::Result::From(core::SaveSettings(app));
}

std::string JobName(std::string_view what, std::int32_t ticket) {
  return std::string(what) + " " + std::to_string(ticket);
}

// The heading shared by the A5 layouts and the 30-item sheet: names, title,
// ticket number and the decision table (the name column nameWidth wide).
void A5Heading(const core::App& app, Page& p, const TicketView& v, std::int32_t ticket,
               double nameWidth) {
  p.Centre(storage::CleanText(app.settings().hospitalName()), 80, 140, 10, kHospitalFontSize);
  p.Centre(storage::CleanText(app.settings().departmentName()), 80, 140, 18, kDepartmentFontSize);
  p.Centre(kVoucherTitle, 40, 90, 17, kFontSize);
  p.Grid(17, 1, 7, 5, "25");
  p.Centre(PrintedNumber(ticket), 0, 25, 18);
  p.Grid(24, 2, 7, 5, "25;20;20;30;" + PrintedNumber(nameWidth));
  p.Centre(kDateCaption, 0, 25, 25);
  p.Centre(v.date, 0, 25, 32);
  p.Centre(kDaysCaption, 25, 45, 25);
  p.Centre(v.decisionDays, 25, 45, 32);
  p.Centre(kAmountCaption, 45, 65, 25);
  p.Centre(v.decisionAmount, 45, 65, 32);
  p.Centre(kNumberCaption, 65, 95, 25);
  p.Centre(v.decisionNumber, 65, 95, 32);
  p.Centre(kNameCaption, 95, 95 + nameWidth, 25);
  p.Centre(v.name, 95, 95 + nameWidth, 32);
}

// The purchase-fee lines table of the A5 ticket (10 lines of 10 mm) or of
// the 30-item sheet (30 lines of 6 mm).
void PurchaseFeeLines(const core::App& app, Page& p, const storage::TicketRecord& t, int lines,
                      double tableTop, double rowHeight, double nameRight) {
  const std::string nameWidth = PrintedNumber(nameRight - 95);
  p.Centre(kExternalTotalCaption, 0, 20, 43);
  p.Centre(kFeeCaption, 20, 35, 43);
  p.Centre(kSurchargeCaption, 35, 50, 43);
  p.Centre(kTenderTotalCaption, 50, 65, 43);
  p.Centre(kTenderCaption, 65, 80, 43);
  p.Centre(kCountCaption, 80, 95, 43);
  p.Centre(kDrugCaption, 95, nameRight, 43);
  p.Grid(tableTop, lines + 1, rowHeight, 6, "20;15;15;15;15;15;" + nameWidth);
  for (int i = 1; i <= lines; ++i) {
    const LineView l = LineOf(app, t, i);
    const double y = 43 + rowHeight * i;
    p.Centre(l.drug, 95, nameRight, y);
    p.Centre(l.quantity, 80, 95, y);
    p.Centre(l.price, 65, 80, y);
    p.Centre(l.tenderTotal, 50, 65, y);
    p.Centre(l.surcharge, 35, 50, y);
    p.Centre(l.fee, 20, 35, y);
    p.Centre(l.externalTotalWithFee, 0, 20, y);
  }
}

// The totals table and the signatures of the A5 layouts: the tender total,
// the value under "الاجمالي للخارجي" and the difference.
void A5Footer(Page& p, const TicketView& v, double external, double difference) {
  p.Grid(152, 2, 7, 5, "45;45;45");
  p.Centre(kTotalAtTender, 90, 135, 153);
  p.Centre(PrintedNumber(v.tenderTotal), 90, 135, 160);
  p.Centre(kTotalExternal, 45, 90, 153);
  p.Centre(PrintedNumber(external), 45, 90, 160);
  p.Centre(kDifference, 0, 45, 153);
  p.Centre(PrintedNumber(difference), 0, 45, 160);

  p.Centre(kReceiver, 100, 120, 168);
  p.Centre(kPharmacist, 50, 80, 168);
  p.Centre(kApproved, 10, 40, 168);
}

}  // namespace

std::string NZ(std::string_view text) {
  const std::string trimmed = storage::CleanText(text);
  return trimmed == "0" ? std::string() : trimmed;
}

std::string PrintedNumber(double value) {
  const auto f = static_cast<float>(value);
  if (f == 0 || !std::isfinite(f)) return {};
  std::array<char, 64> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), f, std::chars_format::fixed);
  if (error != std::errc{}) return {};
  return NZ(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

core::Result PrintA5Ticket(core::App& app, util::PrintDevice& device, std::int32_t ticket) {
  core::Result stored = StoreLayout(app, kLayoutA5);
  const TicketView v = ViewOf(app, ticket);
  Start(device, JobName("ticket", ticket), kFontSize);
  Page p(device, app.settings().ticketMargin());
  A5Heading(app, p, v, ticket, 40);

  p.Centre(kExternalTotalCaption, 0, 20, 43);
  p.Centre(kTenderTotalCaption, 20, 40, 43);
  p.Centre(kExternalCaption, 40, 55, 43);
  p.Centre(kTenderCaption, 55, 70, 43);
  p.Centre(kCountCaption, 70, 85, 43);
  p.Centre(kDrugCaption, 85, 135, 43);
  p.Grid(41, 11, 10, 6, "20;20;15;15;15;50");
  for (int i = 1; i <= 10; ++i) {
    const LineView l = LineOf(app, v.record, i);
    const double y = 43 + 10 * i;
    p.Centre(l.drug, 85, 135, y);
    p.Centre(l.quantity, 70, 85, y);
    p.Centre(l.price, 55, 70, y);
    p.Centre(l.externalPrice, 40, 55, y);
    p.Centre(l.tenderTotal, 20, 40, y);
    p.Centre(l.externalTotal, 0, 20, y);
  }

  A5Footer(p, v, v.patientTotal,
           storage::Round2(static_cast<double>(v.patientTotal) - v.tenderTotal));
  device.EndDoc();
  return stored;
}

core::Result PrintA5PurchaseFeeTicket(core::App& app, util::PrintDevice& device,
                                      std::int32_t ticket) {
  core::Result stored = StoreLayout(app, kLayoutA5PurchaseFee);
  const TicketView v = ViewOf(app, ticket);
  Start(device, JobName("ticket", ticket), kFontSize);
  Page p(device, app.settings().ticketMargin());
  A5Heading(app, p, v, ticket, 40);
  PurchaseFeeLines(app, p, v.record, 10, 41, 10, 135);

  const double d = v.feeAndSurcharge;
  A5Footer(p, v, storage::Round2(v.tenderTotal + d), storage::Round2(d));
  device.EndDoc();
  return stored;
}

void PrintThirtyItemSheet(const core::App& app, util::PrintDevice& device, std::int32_t ticket) {
  const TicketView v = ViewOf(app, ticket);
  Start(device, JobName("ticket", ticket), kFontSize);
  device.SetFontBold(true);
  Page p(device, app.settings().ticketMargin());
  A5Heading(app, p, v, ticket, 100);
  PurchaseFeeLines(app, p, v.record, storage::TicketRecord::kLines, 43, 6, 195);

  const double d = v.feeAndSurcharge;
  p.Grid(234, 2, 7, 5, "65;65;65");
  p.Centre(kTotalAtTender, 130, 189, 235);
  p.Centre(PrintedNumber(v.tenderTotal), 130, 189, 242);
  p.Centre(kTotalExternal, 58, 123, 235);
  p.Centre(PrintedNumber(storage::Round2(v.tenderTotal + d)), 65, 123, 242);
  p.Centre(kDifference, 0, 65, 235);
  p.Centre(PrintedNumber(storage::Round2(d)), 0, 65, 242);

  p.Centre(kReceiver, 150, 200, 253);
  p.Centre(kPharmacist, 70, 120, 253);
  p.Centre(kApproved, 10, 60, 253);
  device.EndDoc();
}

core::Result PrintOriginalAndCopy(core::App& app, util::PrintDevice& device, std::int32_t ticket,
                                  int form) {
  const bool form2 = form == 2;
  core::Result stored = StoreLayout(app, form2 ? kLayoutForm2 : kLayoutForm1);
  const TicketView v = ViewOf(app, ticket);
  Start(device, JobName("ticket", ticket), kFontSize);
  if (form2) device.SetFontBold(true);
  Page p(device, app.settings().printLeft());
  const double top = app.settings().printTop();
  for (const double y0 : {top, top + 145}) {
    p.Centre(storage::CleanText(app.settings().hospitalName()), 80, 180, y0, kHospitalFontSize);
    p.Centre(storage::CleanText(app.settings().departmentName()), 80, 180, y0 + 8,
             kDepartmentFontSize);
    if (form2) {
      p.Centre(kVoucherTitle, 60, 100, y0 + 7, 15);
      p.Grid(y0 + 7, 1, 7, 5, "30");
      p.Centre(PrintedNumber(ticket), 0, 30, y0 + 8);
    } else {
      p.Centre(kTicketTitle, 60, 100, y0 + 8, kFontSize);
    }

    p.Grid(y0 + 14, 2, 7, 5, "30;30;30;35;45");
    p.Centre(kDateCaption, 0, 30, y0 + 15);
    p.Centre(v.date, 0, 30, y0 + 22);
    p.Centre(kDaysInDaysCaption, 30, 60, y0 + 15);
    p.Centre(v.decisionDays, 30, 60, y0 + 22);
    p.Centre(kAmountCaption, 60, 90, y0 + 15);
    p.Centre(v.decisionAmount, 60, 90, y0 + 22);
    p.Centre(kNumberCaption, 90, 125, y0 + 15);
    p.Centre(v.decisionNumber, 90, 125, y0 + 22);
    p.Centre(kNameCaption, 125, 170, y0 + 15);
    p.Centre(v.name, 125, 170, y0 + 22);

    p.Centre(kExternalTotalCaption, 0, 20, y0 + 32);
    p.Centre(kTenderTotalCaption, 20, 40, y0 + 32);
    p.Centre(kExternalCaption, 40, 60, y0 + 32);
    p.Centre(kTenderCaption, 60, 80, y0 + 32);
    p.Centre(kCountCaption, 80, 100, y0 + 32);
    p.Centre(kDrugCaption, 100, 170, y0 + 32);
    p.Grid(y0 + 31, 11, 7, 6, "20;20;20;20;20;70");
    for (int i = 1; i <= 10; ++i) {
      const LineView l = LineOf(app, v.record, i);
      const double y = y0 + 32 + 7 * i;
      p.Centre(l.drug, 100, 170, y);
      p.Centre(l.quantity, 80, 100, y);
      p.Centre(l.price, 60, 80, y);
      p.Centre(l.externalPrice, 40, 60, y);
      p.Centre(l.tenderTotal, 20, 40, y);
      p.Centre(l.externalTotal, 0, 20, y);
    }

    if (form2) {
      p.Grid(y0 + 109, 1, 5, 5, "22;35;22;35;22;34");
      p.Centre(kTenderSum, 136, 171, y0 + 109);
      p.Centre(PrintedNumber(v.tenderTotal), 114, 136, y0 + 109);
      p.Centre(kExternalSum, 79, 114, y0 + 109);
      p.Centre(PrintedNumber(v.patientTotal), 57, 79, y0 + 109);
      p.Centre(kDifference2, 22, 57, y0 + 109);
      p.Centre(PrintedNumber(storage::Round2(static_cast<double>(v.patientTotal) - v.tenderTotal)),
               0, 22, y0 + 109);
      p.Centre(kReceiverNoSpace, 120, 150, y0 + 115);
      p.Centre(kPharmacist, 70, 100, y0 + 115);
      p.Centre(kApproved, 10, 40, y0 + 115);
    } else {
      p.Grid(y0 + 109, 1, 5, 5, "32;53;32;53");
      p.Centre(kTotalAtTender, 117, 170, y0 + 109);
      p.Centre(PrintedNumber(v.tenderTotal), 85, 117, y0 + 109);
      p.Centre(kTotalExternal, 32, 85, y0 + 109);
      p.Centre(PrintedNumber(v.patientTotal), 0, 32, y0 + 109);
      p.Centre(kPharmacistSignature, 120, 150, y0 + 115);
      p.Centre(kHeadOfDepartment, 70, 100, y0 + 115);
      p.Centre(kApproved, 10, 40, y0 + 115);
    }
  }
  device.EndDoc();
  return stored;
}

core::Result PrintTenTicketSheet(core::App& app, util::PrintDevice& device) {
  const std::optional<std::string> answer = app.interaction().InputBox(kTenTicketsQuestion);
  const std::int32_t first = util::SafeLong(util::LeadingNumber(answer.value_or("")));
  return PrintTenTicketSheetFrom(app, device, first);
}

core::Result PrintTenTicketSheetFrom(core::App& app, util::PrintDevice& device,
                                     std::int32_t first) {
  core::Result stored = StoreLayout(app, kLayoutTenTickets);
  Start(device, JobName("tickets", first), kTenTicketsFontSize);
  for (int band = 0; band < 10; ++band) ww_Ready_one_fat_To_Print(app, device, first + band, band);
  device.EndDoc();
  return stored;
}

void ww_Ready_one_fat_To_Print(const core::App& app, util::PrintDevice& device,
                               std::int32_t ticket, int band) {
  Page p(device, 0);
  const std::string hospital = storage::CleanText(app.settings().hospitalName());
  const TicketView v = ViewOf(app, ticket);
  const double y0 = 28.0 * band + 5;
  for (int r = 1; r <= 5; ++r) {
    const double y = y0 + 3 * r;
    const LineView a = LineOf(app, v.record, r);
    p.Right(a.drug, 165, 195, y);
    p.Centre(a.quantity, 152, 165, y);
    p.Centre(a.price, 139, 152, y);
    p.Centre(a.externalPrice, 126, 139, y);
    p.Centre(a.tenderTotal, 113, 126, y);
    p.Centre(a.externalTotal, 100, 113, y);
    const LineView b = LineOf(app, v.record, r + 5);
    p.Right(b.drug, 69, 98, y);
    p.Centre(b.quantity, 58, 70, y);
    p.Centre(b.price, 46, 58, y);
    p.Centre(b.externalPrice, 34, 46, y);
    p.Centre(b.tenderTotal, 22, 34, y);
    p.Centre(b.externalTotal, 10, 22, y);
  }
  const double f = y0 + 20;
  p.Centre(hospital, 180, 200, f);
  p.Centre(kNameCaption, 170, 180, f);
  p.Centre(v.name, 150, 170, f);
  p.Centre(kDecision, 140, 145, f);
  p.Centre(v.decisionNumber, 120, 140, f);
  p.Centre(kTenderCaption, 110, 120, f);
  p.Centre(PrintedNumber(v.tenderTotal), 95, 110, f);
  p.Centre(kForBeneficiary, 85, 95, f);
  p.Centre(PrintedNumber(v.patientTotal), 70, 85, f);
  p.Centre(kDateWord, 60, 70, f);
  p.Centre(v.date, 45, 60, f);

  device.SetDrawWidth(4);
  util::DrawBox(device, 10, y0 + 3, 190, 22, 1);
  util::DrawHLine(device, 10, y0 + 19, 190);
  util::DrawVLine(device, 99, y0 + 3, 16);
  device.SetDrawWidth(1);
}

bool PrintTicketLayout(core::App& app, util::PrintDevice& device, std::int32_t code,
                       std::int32_t ticket) {
  core::Result r = core::Result::Done();
  switch (code) {
    case kLayoutForm1:
      r = PrintOriginalAndCopy(app, device, ticket, 1);
      break;
    case kLayoutForm2:
      r = PrintOriginalAndCopy(app, device, ticket, 2);
      break;
    case kLayoutA5:
      r = PrintA5Ticket(app, device, ticket);
      break;
    case kLayoutTenTickets:
      r = PrintTenTicketSheet(app, device);
      break;
    case kLayoutA5PurchaseFee:
      r = PrintA5PurchaseFeeTicket(app, device, ticket);
      break;
    default:
      return false;
  }
  if (r.failed()) app.interaction().ShowMessage(r.message(), util::MessageIcon::Error);
  return true;
}

bool ReprintTicket(core::App& app, util::PrintDevice& device, std::int32_t ticket) {
  const std::int16_t code = app.settings().ticketLayout();
  if (code <= 4000) {
    app.interaction().ShowMessage(kPrintFromMenuFirst, util::MessageIcon::Information);
    return false;
  }
  core::FFFPrint choice(app, device);
  app.interaction().RunModal(choice);
  if (app.dialogResult != core::FFFPrint::kOkResult) return false;
  return app.interaction().RunPrintout(
      device, [&app, &device, code, ticket] { PrintTicketLayout(app, device, code, ticket); });
}

}  // namespace dispensing
