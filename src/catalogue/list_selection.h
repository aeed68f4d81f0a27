// The selection and the current-recording mark of the recording list, as the filter commands and
// the playback controller move them. The mark is the row drawn in the playing colours.
#pragma once

namespace vantrel {

class ListSelection {
 public:
  virtual ~ListSelection() = default;

  // Selects the row and gives it the focus.
  virtual void SelectRow(int row) = 0;
  virtual void ScrollToRow(int row) = 0;
  virtual void RedrawList() = 0;
  // The marked row, -1 for none.
  virtual int MarkedRow() const = 0;
  virtual void SetMarkedRow(int row) = 0;
  virtual void RedrawRow(int row) = 0;
};

// Moves the mark to row (-1: no row) and redraws the row it leaves and the row it reaches.
void MoveMark(ListSelection& selection, int row);

}  // namespace vantrel
