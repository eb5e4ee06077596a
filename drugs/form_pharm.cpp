#include "drugs/form_pharm.h"

#include <cstddef>

#include "drugs/drug_table.h"
#include "util/grid.h"
#include "util/grid_helpers.h"

namespace drugs {

FormPharm::FormPharm(core::App& app) : PickList(app) {
  // Sorted as the grids sort texts: in the order of Arabic words.
  util::Grid names("List1", 1, 1);
  for (std::string_view name : TherapeuticGroups()) {
    if (!name.empty()) names.AppendRow({std::string(name)});
  }
  util::GridSortByColumn(names, 0, "AZ");
  for (int row = 1; row < names.Rows(); ++row) list_.push_back(names.Text(row, 0));
}

void FormPharm::Choose(const std::string& name) { app_.chosenItemNo = FindGroupByName(name); }

}  // namespace drugs
