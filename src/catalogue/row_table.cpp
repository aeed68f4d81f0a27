#include "catalogue/row_table.h"

#include <algorithm>

namespace vantrel {

void RowTable::InsertRow(int row, const RowTexts& texts) {
  const int at = std::clamp(row, 0, RowCount());
  rows_.insert(rows_.begin() + at, texts);
}

std::string RowTable::ColumnText(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= kListColumnCount) return {};
  return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

}  // namespace vantrel
