#include "ui/main/key_table.h"

namespace vantrel::ui {
namespace {

bool PlayingOrPaused(PlaybackState state) {
  return state == PlaybackState::kRunning || state == PlaybackState::kPaused;
}

KeyAction When(bool condition, KeyAction action) {
  return condition ? action : KeyAction::kSwallow;
}

}  // namespace

KeyAction ActionOfKey(const KeyPress& press, const KeyContext& context) {
  if (press.ctrl && press.key == Key::kO) return KeyAction::kOpen;
  if (press.alt && press.key == Key::kF4) return KeyAction::kClose;
  switch (press.key) {
    case Key::kEscape:
      return KeyAction::kLayoutToggle;
    case Key::kSpace:
      if (context.state == PlaybackState::kRunning) return KeyAction::kPause;
      return When(context.state == PlaybackState::kPaused, KeyAction::kPlay);
    case Key::kPageUp:
      return When(PlayingOrPaused(context.state) && context.current_row > 0, KeyAction::kPrev);
    case Key::kPageDown:
      return When(PlayingOrPaused(context.state) && context.current_row >= 0 &&
                      context.current_row < context.row_count - 1,
                  KeyAction::kNext);
    case Key::kUp:
      return KeyAction::kVolumeUp;
    case Key::kDown:
      return KeyAction::kVolumeDown;
    default:
      break;
  }
  if (press.ctrl || press.alt) return KeyAction::kPass;
  switch (press.typed) {
    case U'b':
    case U'B':
      return KeyAction::kBrightDefault;
    case U'm':
    case U'M':
      return KeyAction::kMute;
    case U's':
    case U'S':
      return KeyAction::kSpeedDefault;
    default:
      return KeyAction::kPass;
  }
}

}  // namespace vantrel::ui
