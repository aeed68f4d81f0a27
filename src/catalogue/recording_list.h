// The rows of the recording list, as the catalogue fills them. The skinned list of the main
// window implements it on screen, vantrel-cli as text. Columns: 0 running number, 1 date, 2 time,
// 3 kind text, 4 path, 5 name (4 and 5 are hidden on screen and hold the row's data).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vantrel {

inline constexpr int kListColumnCount = 6;
inline constexpr int kPathColumn = 4;
inline constexpr int kNameColumn = 5;

using RowTexts = std::array<std::string, kListColumnCount>;

class RecordingList {
 public:
  virtual ~RecordingList() = default;

  // Many rows are inserted in one go: the list is not redrawn in between.
  virtual void SuspendRedraw() = 0;
  virtual void ResumeRedraw() = 0;
  virtual void DeleteAllRows() = 0;
  virtual void InsertRow(int row, const RowTexts& texts) = 0;
  virtual int RowCount() const = 0;
  // Empty for a row or column that does not exist.
  virtual std::string ColumnText(int row, int column) const = 0;
};

// A cell's text as the list's readers take it: a text shorter than four characters counts as
// empty (no real name or path is that short).
std::string CellText(const RecordingList& list, int row, int column);

// The first row whose name column (CellText) equals name, ignoring case, or -1.
int RowOfName(const RecordingList& list, std::string_view name);

}  // namespace vantrel
