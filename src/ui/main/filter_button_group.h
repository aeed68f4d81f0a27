// The four list-filter buttons of the main window as the filter commands and the loading see
// them: one pressed, the other three released, and each with the disabled look while its filter
// is not enabled.
#pragma once

#include <array>

#include "catalogue/list_filter.h"

namespace vantrel::ui {

class CRbButtonCtrl;

class FilterButtonGroup : public FilterButtons {
 public:
  // Buttons and enable flags indexed by ListFilter (All, Infinite, Event, Parking); both belong
  // to the window.
  FilterButtonGroup(const std::array<CRbButtonCtrl*, 4>& buttons, const FilterEnableFlags& enabled)
      : buttons_(buttons), enabled_(enabled) {}

  void ShowPressed(ListFilter pressed) override;
  // Redraws the four buttons as they are, enabled as the flags are now.
  void Redraw();

 private:
  std::array<CRbButtonCtrl*, 4> buttons_;
  const FilterEnableFlags& enabled_;
};

}  // namespace vantrel::ui
