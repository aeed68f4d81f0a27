#include "ui/main/filter_button_group.h"

#include "ui/skin/rb_button_ctrl.h"

namespace vantrel::ui {

void FilterButtonGroup::ShowPressed(ListFilter pressed) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->SetSelected(static_cast<int>(i) == static_cast<int>(pressed));
  }
  Redraw();
}

void FilterButtonGroup::Redraw() {
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetSkinEnabled(enabled_[i]);
}

}  // namespace vantrel::ui
