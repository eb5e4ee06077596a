#include "drugs/drug_templates.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "core/tables.h"
#include "drugs/drug_table.h"
#include "storage/data_files.h"

namespace drugs {

const CatalogueTemplateInfo& TemplateInfo(CatalogueTemplate which) {
  for (const auto& info : kCatalogueTemplates) {
    if (info.which == which) return info;
  }
  return kCatalogueTemplates[0];
}

bool IsFreshInstallation(const core::App& app) {
  if (HasOpeningBalances(app)) return false;
  const auto& tickets = app.tickets();
  int drugsOnFirstLines = 0;
  for (std::size_t ticket : {4U, 5U, 6U}) drugsOnFirstLines += tickets[ticket].drugIndex(1);
  return drugsOnFirstLines <= 1;
}

core::Result ReplaceCatalogue(core::App& app, CatalogueTemplate which) {
  if (!IsFreshInstallation(app)) return core::Result::Refused(std::string(kWorkingCopy));
  const auto& info = TemplateInfo(which);
  const std::filesystem::path file = app.DataFile(info.file);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    return core::Result::Refused("ملف القاعدة الجاهزة غير موجود: " + file.string());
  }
  storage::DrugTable loaded(storage::kMaxDrugs);
  if (auto status = loaded.Load(file); !status) return core::Result::Failed(status.message());
  storage::DrugTable before = std::exchange(app.drugs(), std::move(loaded));
  if (auto status = core::SaveAllDrugs(app); !status) {
    app.drugs() = std::move(before);
    return core::Result::Failed(status.message());
  }
  return core::Result::Done();
}

}  // namespace drugs
