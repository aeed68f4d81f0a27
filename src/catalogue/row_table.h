// A recording list held in memory: the rows as text, for vantrel-cli and for tests.
#pragma once

#include <vector>

#include "catalogue/recording_list.h"

namespace vantrel {

class RowTable : public RecordingList {
 public:
  void SuspendRedraw() override {}
  void ResumeRedraw() override {}
  void DeleteAllRows() override { rows_.clear(); }
  // A row past the end is appended, as a list view does.
  void InsertRow(int row, const RowTexts& texts) override;
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string ColumnText(int row, int column) const override;

  const std::vector<RowTexts>& rows() const { return rows_; }

 private:
  std::vector<RowTexts> rows_;
};

}  // namespace vantrel
