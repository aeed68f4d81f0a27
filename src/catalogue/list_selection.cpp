#include "catalogue/list_selection.h"

namespace vantrel {

void MoveMark(ListSelection& selection, int row) {
  const int old_row = selection.MarkedRow();
  selection.SetMarkedRow(row);
  if (old_row >= 0) selection.RedrawRow(old_row);
  if (row >= 0 && row != old_row) selection.RedrawRow(row);
}

}  // namespace vantrel
