#include "drugs/drug_table.h"

#include <cstddef>

#include "storage/helpers.h"

namespace drugs {
namespace {

constexpr std::array<std::string_view, kTherapeuticGroupCount + 1> kTherapeuticGroups = {
    "",
    "ضد القيء",                                                  // 1
    "ضد المغص والتقلصات",                                        // 2
    "أدوية لعلاج الإسهال – تقلل حركة الأمعاء",                   // 3
    "أدوية لعلاج الإسهال - مطهر معوي وللأميبا",                  // 4
    "أدوية لعلاج التهابات القولون",                              // 5
    "أدوية لعلاج الإمساك",                                       // 6
    "أدوية مضادة للحموضة",                                       // 7
    "أدوية مضادة للانتفاخ",                                      // 8
    "أدوية لعلاج قرحة المعدة والاثنى عشر",                       // 9
    "أدوية لتنشيط خلايا الكبد وإزالة دهون الكبد",                // 10
    "المسكنات غير الستيرويدية",                                  // 11
    "المسكنات المخدرة",                                          // 12
    "أدوية لعلاج الصداع النصفي",                                 // 13
    "أدوية لعلاج الصرع والتشنجات",                               // 14
    "أدوية مهدئة ومنومة ولعلاج القلق",                           // 15
    "أدوية لعلاج الحالات النفسية",                               // 16
    "أدوية مضادة للاكتئاب",                                      // 17
    "أدوية مضادة للشلل الرعاش",                                  // 18
    "أدوية لعلاج السمنة",                                        // 19
    "أدوية منشطة للجهاز العصبي المركزي",                         // 20
    "أدوية لعلاج إدمان الكحوليات والدخان",                       // 21
    "أدوية لعلاج إدمان المخدرات",                                // 22
    "أدوية لعلاج الخرف وضعف الذاكرة",                            // 23
    "أدوية لعلاج الأمراض الروماتيزمية والتهاب المفاصل",          // 24
    "أدوية لعلاج الروماتويد",                                    // 25
    "أدوية لعلاج النقرس وزيادة البولينا في الدم",                // 26
    "فوارات مذيبة للاملاح",                                      // 27
    "محاليل إرواء وريدي",                                        // 28
    "محاليل",                                                    // 29
    "أدوية باسطة للعضلات",                                       // 30
    "المخدر الموضعي والكلي",                                     // 31
    "أدوية لعلاج ارتفاع ضغط الدم والذبحة وأمراض القلب",          // 32
    "مدرات البول",                                               // 33
    "أدوية لعلاج هبوط الضغط",                                    // 34
    "أدوية لعلاج عد انتظام عضلة القلب",                          // 35
    "مضادات التجلط الدموي",                                      // 36
    "أدوية تقلل نسبة الكوليسترول والدهون في الدم",               // 37
    "أدوية لعلاج اضطرابات الدورة الدموية الطرفية وعدم كفائتها",  // 38
    "أدوية مذيبة للبلغم",                                        // 39
    "أدوية لعلاج الكحة الجافة والسعال",                          // 40
    "أدوية موسعة للشعب الهوائية وعلاج الأزمات الصدرية",          // 41
    "مضاد الحساسية",                                             // 42
    "أدوية لعلاج الإنفلونزا ونزلات البرد",                       // 43
    "أدوية السلفا",                                              // 44
    "مضادات حيوية",                                              // 45
    "أدوية لعلاج السل الرئوي الدرن",                             // 46
    "أدوية مضادة للفيروسات",                                     // 47
    "أدوية مضادة للفطريات",                                      // 48
    "أدوية لعلاج الملاريا والتوكسوبلازما",                       // 49
    "أدوية للتخلص من الديدان",                                   // 50
    "هرمونات الذكورة",                                           // 51
    "هرمونات الأنوثة",                                           // 52
    "مضاد لهرمونات الذكورة",                                     // 53
    "مضاد لهرمونات الأنوثة",                                     // 54
    "هرمونات الغدة الدرقية",                                     // 55
    "أدوية مضادة لهرمون الثيروكسين",                             // 56
    "الكورتيزونات",                                              // 57
    "أدوية لعلاج هشاشة العظام",                                  // 58
    "أدوية لعلاج السكر",                                         // 59
    "الأنسولين",                                                 // 60
    "مستحضرات مهبلية",                                           // 61
    "أدوية لعلاج التبول اللاإرادي ومطهرات للمسالك البولية",      // 62
    "مضمضة وغسول للفم والأسنان",                                 // 63
    "مطهرات للجروح والأدوات الجراحية",                           // 64
    "مستحضرات للجلد مضادة للبكتيريا",                            // 65
    "مستحضرات للجلد مضادة للفطريات",                             // 66
    "مستحضرات للجلد مضادة للحساسية",                             // 67
    "مستحضرات لعلاج حب الشباب",                                  // 68
    "مستحضرات لعلاج تساقط الشعر وعلاج القشرة",                   // 69
    "مستحضرات لعلاج الجرب والقمل",                               // 70
    "مستحضرات لعلاج قرح الجلد والحروق",                          // 71
    "مستحضرات علاج الطفح الجلدي",                                // 72
    "مستحضرات لعلاج البواسير والشرخ الشرجي",                     // 73
    "قطرات وبخاخات مزيلة للاحتقان ومضادة للحساسية",              // 74
    "قطرات مضاد حيوي للعين والأذن",                              // 75
    "نقط للأذن",                                                 // 76
    "قطرات للعين للجلوكوما",                                     // 77
    "قطرات للعين موسعة للحدقة",                                  // 78
    "قطرات للعين تحتوي كورتيزون",                                // 79
    "قطرات للعين مضادة للفيروسات",                               // 80
    "قطرات مرطبة للعين",                                         // 81
    "مراهم مضاد حيوي للعين",                                     // 82
};

// Unit code n is element n - 1.
constexpr std::array<std::string_view, kUnitCount> kUnitNames = {
    "قرص",  "كبسولة", "فيال", "امبولة", "انبوبة", "زجاجة", "بكرة", "بالعدد",
    "جهاز", "شريط",   "جركن", "جرام",   "علبة",   "لبوسة", "كيس",  "امبول",
};

}  // namespace

const std::array<std::string_view, kTherapeuticGroupCount + 1>& TherapeuticGroups() {
  return kTherapeuticGroups;
}

std::string_view TherapeuticGroupName(int group) {
  if (group < 1 || group > kTherapeuticGroupCount) return {};
  return kTherapeuticGroups[static_cast<std::size_t>(group)];
}

std::int32_t FindDrugByName(const core::App& app, std::string_view text) {
  std::string wanted = storage::CleanText(text);
  if (wanted.empty()) return 0;
  const auto& table = app.drugs();
  std::int32_t found = 0;
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (table[n].drugName() == wanted) found = static_cast<std::int32_t>(n);
  }
  return found;
}

std::int32_t FirstFreeDrug(const core::App& app) {
  const auto& table = app.drugs();
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (table[n].IsFree()) return static_cast<std::int32_t>(n);
  }
  return 0;
}

std::int32_t FindGroupByName(std::string_view text) {
  std::string wanted = storage::CleanText(text);
  if (wanted.empty()) return 0;
  std::int32_t found = 0;
  for (int g = 1; g <= kTherapeuticGroupCount; ++g) {
    if (kTherapeuticGroups[static_cast<std::size_t>(g)] == wanted) found = g;
  }
  return found;
}

std::string UnitText(std::string_view text) {
  for (int code = 1; code <= kUnitCount; ++code) {
    std::string codeText = std::to_string(code);
    std::string_view name = kUnitNames[static_cast<std::size_t>(code - 1)];
    if (text == codeText) return std::string(name);
    if (text == name) return codeText;
  }
  return {};
}

bool HasOpeningBalances(const core::App& app) {
  const auto& table = app.drugs();
  int holding = 0;
  for (std::size_t n = 1; n <= table.capacity(); ++n) {
    if (table[n].openingBalance() > 0 && ++holding > 10) return true;
  }
  return false;
}

}  // namespace drugs
