#include "dispensing/form_ptnt.h"

#include <algorithm>
#include <cstddef>

#include "core/settings.h"
#include "core/tables.h"
#include "dispensing/patients.h"
#include "storage/data_files.h"
#include "storage/helpers.h"
#include "util/numbers.h"

namespace dispensing {

RecipientWords WordsForProgramType(int programType) {
  RecipientWords w;
  switch (programType) {
    case core::kStateExpense:
      w = {"احتيار مريض",   4890, false, "اختر مريض", "سجل مسحوبات مريض",
           "اسم المريض", "الرقم القومي", "تعديل بيانات المرضي"};
      break;
    case core::kOutpatient:
      w = {"اختيار مريض",   4890, false, "اختر مريض", "سجل مسحوبات  مريض",
           "اسم المريض", "الرقم القومي", "تعديل بيانات المرضي"};
      break;
    case core::kHospitalStore:
      w = {"اختيار قسم", 3390, true, "اختر قسم", "سجل مسحوبات  قسم",
           "القسم",      "رقم القسم", "تعديل بيانات الاقسام"};
      break;
    case core::kAdministrationStore:
      w = {"اختيار مستشفي او وحدة صحية",
           3390,
           true,
           "اختر مستشفي او ادارة",
           "سجل مسحوبات ادارة او مستشفي",
           "المستشفي او الوحدة الصحية",
           "رقم المنشأة",
           "تعديل بيانات المستشفيات"};
      break;
    default:
      w = {std::string(FFFPTNT::kDesignCaption),
           FFFPTNT::kWideWidth,
           false,
           "اختر مريض",
           "تاريخ المريض",
           "اسم المريض",
           "الرقم القومي",
           "تعديل بيانات المرضي"};
      break;
  }
  return w;
}

bool MatchesWildcard(std::string_view text, std::string_view pattern) {
  // Greedy matching with one step back to the last '*': linear in practice
  // and never worse than text * pattern.
  std::size_t t = 0;
  std::size_t p = 0;
  std::size_t starP = std::string_view::npos;
  std::size_t starT = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starT = t;
    } else if (p < pattern.size() && pattern[p] == text[t]) {
      ++p;
      ++t;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      t = ++starT;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

FFFPTNT::FFFPTNT(core::App& app) : app_(app) {
  app_.platform().SwitchKeyboardToArabic();
  app_.chosenPatient = 0;
  const RecipientWords words = WordsForProgramType(app_.settings().programType());
  caption_ = words.pickCaption;
  width_ = words.pickWidth;
  if (words.pickFilledAtOnce) FillList("*");
}

void FFFPTNT::FillList(std::string_view pattern) {
  list1_.clear();
  const auto& patients = app_.patients();
  const std::size_t last = std::min(patients.capacity(), storage::kMaxPatients);
  for (std::size_t n = 1; n <= last; ++n) {
    if (patients[n].IsFree()) continue;
    std::string name = storage::CleanText(patients[n].name());
    if (MatchesWildcard(name, pattern)) list1_.push_back(std::move(name));
  }
}

void FFFPTNT::SetText1(std::string text) {
  text1_ = std::move(text);
  std::string words = storage::CleanText(text1_);
  if (words.empty()) return;
  std::replace(words.begin(), words.end(), ' ', '*');
  FillList("*" + words + "*");
}

void FFFPTNT::EnterInText1() {
  const std::int32_t n = util::SafeLong(util::LeadingNumber(text1_));
  if (!core::IsPatientNumber(n) || !app_.patients().Contains(static_cast<std::size_t>(n))) return;
  if (app_.patients()[static_cast<std::size_t>(n)].IsFree()) return;
  Choose(n);
}

void FFFPTNT::ChooseEntry(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list1_.size()) return;
  Choose(FindPatientByName(app_, list1_[static_cast<std::size_t>(index)]));
}

void FFFPTNT::QuickButton(int index) {
  if (index < 0 || index >= kQuickButtons) return;
  const std::string_view word = kQuickCaptions[static_cast<std::size_t>(index)];
  if (word.empty()) return;
  FillList("*" + std::string(word) + "*");
}

void FFFPTNT::Choose(std::int32_t patient) {
  app_.chosenPatient = patient;
  closed_ = true;
}

std::int32_t ChooseRecipient(core::App& app) {
  FFFPTNT list(app);
  app.interaction().RunModal(list);
  return app.chosenPatient;
}

}  // namespace dispensing
