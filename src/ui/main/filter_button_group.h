// The four list-filter buttons of the main window as the filter commands and the loading see
// them: one pressed, the other three released.
#pragma once

#include <array>

#include "catalogue/list_filter.h"

namespace vantrel::ui {

class CRbButtonCtrl;

class FilterButtonGroup : public FilterButtons {
 public:
  // Buttons indexed by ListFilter (All, Infinite, Event, Parking); they belong to the window.
  explicit FilterButtonGroup(const std::array<CRbButtonCtrl*, 4>& buttons) : buttons_(buttons) {}

  void ShowPressed(ListFilter pressed) override;
  // Redraws the four buttons as they are.
  void Redraw();

 private:
  std::array<CRbButtonCtrl*, 4> buttons_;
};

}  // namespace vantrel::ui
