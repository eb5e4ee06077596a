#pragma once
// The drug screen "تعديل بيانات الادوية": one drug record at a time, with
// "<" and ">" to move through the catalogue, a click on the number to search,
// "جديد" for the first free number and "حفظ" to store the boxes and write
// the drug file. Supply store, group and unit are chosen from their lists;
// the four classifications toggle between "True" and "False". Its menu
// "قواعد جاهزة" replaces the catalogue of a fresh installation by a template
// and ends the program.
//
// Saving refuses, with one message naming the box and before anything is
// stored, a value its field cannot hold; and refuses an empty name over a
// number in use, since freeing it would hand its tickets and receipts to the
// next new drug.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app.h"
#include "drugs/drug_templates.h"
#include "util/interaction.h"
#include "util/numbers.h"

namespace drugs {

// The boxes of the screen, in the order of its table.
enum class DrgBox {
  DrugName,
  Expire,
  Rasid,
  NormalOut,
  Minimum,
  Maximum,
  ManualRate,
  Monaqsa,
  Souq,
  RasmShera,
  Temp,
  Makhzan,
  MoraqbaId,
  DafterId,
  MyCode,
  UnidDesc,
  Pharma,
  Motawatina,
  Haml,
  Omoma,
  ZoTabiyaKhasa,
  Gadwal,
};
inline constexpr int kDrgBoxCount = 22;

// How the user works a box.
enum class BoxKind {
  Typed,   // a text box to type in
  Shown,   // locked, grey: shows a value and stores nothing
  Picker,  // locked, pale yellow: a click opens a list
  Toggle,  // locked, pale yellow: a click turns "True" into "False" and back
  Label,   // a label: a click opens a list
};

struct DrgBoxInfo {
  DrgBox box;
  std::string_view control;  // the control's name
  std::string_view label;    // the caption of its label
  BoxKind kind;
};

inline constexpr std::array<DrgBoxInfo, kDrgBoxCount> kDrgBoxes = {{
    {DrgBox::DrugName, "TextDrugName", "الاسم", BoxKind::Typed},
    {DrgBox::Expire, "TextEXpire", "الصلاحية", BoxKind::Typed},
    {DrgBox::Rasid, "TextRasid", "الرصيد", BoxKind::Shown},
    {DrgBox::NormalOut, "TextNormalOut", "المنصرف الاعتيادي", BoxKind::Typed},
    {DrgBox::Minimum, "TextMinimum", "الحد الادني", BoxKind::Typed},
    {DrgBox::Maximum, "TextMaximum", "يكفي لثلاثة اشهر", BoxKind::Typed},
    {DrgBox::ManualRate, "TextManualRate", "متوسط جغرافي", BoxKind::Typed},
    {DrgBox::Monaqsa, "TextMonaqsa", "سعر مناقصة", BoxKind::Typed},
    {DrgBox::Souq, "TextSouq", "سعر السوق", BoxKind::Typed},
    {DrgBox::RasmShera, "TttRasmShera", "رسم شراء", BoxKind::Typed},
    {DrgBox::Temp, "TextTemp", "درجة حرارة التخزين", BoxKind::Typed},
    {DrgBox::Makhzan, "TextMakhzan", "مخزن التوريد", BoxKind::Picker},
    {DrgBox::MoraqbaId, "TextMoraqbaId", "رقم مراقبة العهد", BoxKind::Typed},
    {DrgBox::DafterId, "TextDafterId", "الرقم الدفتري", BoxKind::Typed},
    {DrgBox::MyCode, "TextMyCode", "الكود المختصر", BoxKind::Typed},
    {DrgBox::UnidDesc, "LLLUnidDesc", "تعريف الوحدة", BoxKind::Label},
    {DrgBox::Pharma, "TextPharma", "مجموعة علاجية", BoxKind::Picker},
    {DrgBox::Motawatina, "TextMotawatina", "امراض متوطنة", BoxKind::Toggle},
    {DrgBox::Haml, "TextHaml", "حوامل", BoxKind::Toggle},
    {DrgBox::Omoma, "TextOmoma", "امومة وطفولة", BoxKind::Toggle},
    {DrgBox::ZoTabiyaKhasa, "TextZoTabiyaKhasa", "ذو طبيعة خاصة", BoxKind::Toggle},
    {DrgBox::Gadwal, "TextGadwal", "جدول مخدرات رقم", BoxKind::Typed},
}};

const DrgBoxInfo& BoxInfo(DrgBox box);

class FormDrg : public util::ModalScreen {
 public:
  static constexpr std::string_view kName = "FormDRG";
  static constexpr std::string_view kCaption = "تعديل بيانات الادوية";
  static constexpr std::string_view kClassifications = "تصنيفات";
  static constexpr std::string_view kPreviousCaption = "<";
  static constexpr std::string_view kNextCaption = ">";
  static constexpr std::string_view kNewCaption = "جديد";
  static constexpr std::string_view kSaveCaption = "حفظ";
  static constexpr std::string_view kTrue = "True";
  static constexpr std::string_view kFalse = "False";
  // A new drug is stored at room temperature unless told otherwise.
  static constexpr std::string_view kNewTemperature = "25";
  static constexpr util::Colour kWhite = util::Rgb(255, 255, 255);
  static constexpr util::Colour kPaleYellow = util::Rgb(255, 255, 192);
  static constexpr util::Colour kGrey = util::Rgb(224, 224, 224);
  static constexpr std::string_view kCatalogueFull =
      "قائمة الادوية ممتلئة (1500 دواء): لا يوجد رقم خال لدواء جديد";
  static constexpr std::string_view kNameInUse =
      "لا يمكن حفظ الدواء باسم فارغ: هذا الرقم مستخدم (له اسم او رصيد او رصيد افتتاحي او سطور في "
      "التذاكر او الطلبيات)";

  // Opens on the run's current drug; without one, on the last drug of the
  // catalogue (the drug before the first free number), and on drug 1 when
  // the catalogue is empty. The current drug becomes that drug.
  explicit FormDrg(core::App& app);
  std::string_view ScreenName() const override { return kName; }

  // LLL: the number of the drug shown.
  std::int32_t shownNumber() const { return shown_; }
  const std::string& Text(DrgBox box) const { return texts_[Index(box)]; }
  // The user typed into a box; locked boxes and the unit label take no typing.
  void SetText(DrgBox box, std::string text);
  static bool Locked(DrgBox box);
  static util::Colour Background(DrgBox box);

  // Fills every box from drug n (1..1500); nothing for another number.
  void ShowPage(std::int32_t n);
  void Previous();
  void Next();
  // The first free number, empty, at 25 degrees; a full catalogue says so
  // and the screen stays where it is.
  void New();
  // The drug search; then the drug it chose, unless a new drug is on screen.
  void Search();
  // A click on a picker, a toggle or the unit label; nothing for other boxes.
  void Click(DrgBox box);
  // Stores every box into the drug shown and writes the drug file.
  void Save();
  // The menu "قواعد جاهزة": a template replaces the catalogue of a fresh
  // installation and the program ends.
  void LoadTemplate(CatalogueTemplate which);

  // After a template has been loaded the screen closes.
  bool closed() const { return closed_; }

 private:
  static std::size_t Index(DrgBox box) { return static_cast<std::size_t>(box); }
  std::string& Box(DrgBox box) { return texts_[Index(box)]; }
  // The drug before the first free number, or 1500 when none is free.
  std::int32_t LastDrug() const;
  void PickSupplier();
  void PickGroup();
  void PickUnit();

  core::App& app_;
  std::int32_t shown_ = 0;
  std::array<std::string, kDrgBoxCount> texts_;
  bool closed_ = false;
};

// Shows the drug screen modally (the drugs button of the main window).
void OpenDrugScreen(core::App& app);

}  // namespace drugs
