#pragma once
// The ready catalogues of the drug screen's "قواعد جاهزة" menu: three drug
// files in the data folder, in the format of the drug file, that replace the
// whole catalogue of a fresh installation. A working copy (opening balances,
// or real tickets) is never replaced.

#include <array>
#include <string_view>

#include "core/app.h"
#include "core/result.h"

namespace drugs {

enum class CatalogueTemplate { Model1, Model2, ArabicStores };

struct CatalogueTemplateInfo {
  CatalogueTemplate which;
  std::string_view menuName;  // the menu entry's name
  std::string_view caption;   // the menu entry's caption
  std::string_view file;      // in the data folder
};

inline constexpr std::array<CatalogueTemplateInfo, 3> kCatalogueTemplates = {{
    {CatalogueTemplate::Model1, "mnufornafaqa", "نموذج 1", "database-a.vlk"},
    {CatalogueTemplate::Model2, "mnunimozag2", "نموذج 2", "database-b.vlk"},
    {CatalogueTemplate::ArabicStores, "mnuarabicstore", "نموذج مخازن عربي", "database-arabic.vlk"},
}};

inline constexpr std::string_view kReadyCataloguesMenu = "قواعد جاهزة";
inline constexpr std::string_view kWorkingCopy = "لا يمكن الاستيراد علي نسخة عاملة";

const CatalogueTemplateInfo& TemplateInfo(CatalogueTemplate which);

// At most 10 drugs hold an opening balance, and line 1 of tickets 4, 5 and 6
// holds drug numbers adding up to at most 1 (a trial ticket or two).
bool IsFreshInstallation(const core::App& app);

// Replaces the drug file by the template, through a whole-file write, and
// the table in memory with it, so that nothing written before the program
// ends brings the old catalogue back. Refused with kWorkingCopy on a working
// copy, and with a message naming the file when the template is missing;
// failed, with the old file and table kept, when it cannot be read or the
// drug file cannot be written. The caller ends the program after success.
core::Result ReplaceCatalogue(core::App& app, CatalogueTemplate which);

}  // namespace drugs
