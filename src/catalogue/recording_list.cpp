#include "catalogue/recording_list.h"

#include "catalogue/utf8_text.h"

namespace vantrel {

int RowOfName(const RecordingList& list, std::string_view name) {
  const int rows = list.RowCount();
  for (int row = 0; row < rows; ++row) {
    std::string text = list.ColumnText(row, kNameColumn);
    if (utf8::CharacterCount(text) < 4) text.clear();
    if (utf8::EqualsIgnoringCase(text, name)) return row;
  }
  return -1;
}

}  // namespace vantrel
