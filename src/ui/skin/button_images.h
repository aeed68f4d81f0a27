// The five images of a skinned button and the rule that picks the one it shows at rest. Ids name
// skin images (see skin_image_ids.h); 0 means the slot has no image.
#pragma once

namespace vantrel::ui {

struct ButtonImages {
  int normal = 0;    // enabled and not selected
  int pressed = 0;   // while the left mouse button is down on it
  int hover = 0;     // while the pointer is over it
  int disabled = 0;  // while the skin shows it disabled
  int selected = 0;  // instead of normal while selected (toggle and channel buttons)
};

// The image shown when no mouse action is under way: disabled wins over selected, selected over
// normal. 0 when that slot is empty (the button then shows only its background).
constexpr int CurrentButtonImage(const ButtonImages& images, bool enabled, bool selected) {
  if (!enabled) return images.disabled;
  return selected ? images.selected : images.normal;
}

// The image shown when the left button is released over an enabled button; 0 keeps what is shown.
constexpr int ReleasedButtonImage(const ButtonImages& images, bool selected) {
  if (images.selected != 0) return selected ? images.selected : images.normal;
  return images.normal;
}

}  // namespace vantrel::ui
