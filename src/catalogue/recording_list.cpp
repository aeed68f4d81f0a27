#include "catalogue/recording_list.h"

#include "catalogue/utf8_text.h"

namespace vantrel {

std::string CellText(const RecordingList& list, int row, int column) {
  std::string text = list.ColumnText(row, column);
  if (utf8::CharacterCount(text) < 4) text.clear();
  return text;
}

int RowOfName(const RecordingList& list, std::string_view name) {
  const int rows = list.RowCount();
  for (int row = 0; row < rows; ++row) {
    if (utf8::EqualsIgnoringCase(CellText(list, row, kNameColumn), name)) return row;
  }
  return -1;
}

}  // namespace vantrel
