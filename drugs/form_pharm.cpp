#include "drugs/form_pharm.h"

#include <cstddef>

#include "drugs/drug_table.h"
#include "util/grid.h"
#include "util/grid_helpers.h"

namespace drugs {

FormPharm::FormPharm(core::App& app) : app_(app) {
  // Sorted as the grids sort texts: in the order of Arabic words.
  util::Grid names("List1", 1, 1);
  for (std::string_view name : TherapeuticGroups()) {
    if (!name.empty()) names.AppendRow({std::string(name)});
  }
  util::GridSortByColumn(names, 0, "AZ");
  for (int row = 1; row < names.Rows(); ++row) list_.push_back(names.Text(row, 0));
}

void FormPharm::ClickItem(int row) {
  if (row < 0 || row >= static_cast<int>(list_.size())) return;
  app_.chosenItemNo = FindGroupByName(list_[static_cast<std::size_t>(row)]);
  closed_ = true;
}

}  // namespace drugs
