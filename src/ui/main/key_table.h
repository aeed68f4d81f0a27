// The main window's keyboard shortcuts. Keys are looked at before any control of the window sees
// them, so the shortcuts work whichever control has the focus.
#pragma once

#include "playback/playback_state.h"

namespace vantrel::ui {

// The keys the table knows; everything else is kOther.
enum class Key { kOther, kO, kF4, kEscape, kSpace, kPageUp, kPageDown, kUp, kDown };

struct KeyPress {
  Key key = Key::kOther;
  bool ctrl = false;
  bool alt = false;
  char32_t typed = 0;  // the character the key typed, 0 for none
};

enum class KeyAction {
  kPass,     // not a shortcut: the focused control handles the key
  kSwallow,  // a shortcut whose condition does not hold: the key does nothing
  kOpen,
  kLayoutToggle,
  kPause,
  kPlay,
  kPrev,
  kNext,
  kVolumeUp,
  kVolumeDown,
  kBrightDefault,
  kMute,
  kSpeedDefault,
  kClose,
};

// What the window knows when a key arrives.
struct KeyContext {
  PlaybackState state = PlaybackState::kNone;
  int current_row = -1;
  int row_count = 0;
};

KeyAction ActionOfKey(const KeyPress& press, const KeyContext& context);

}  // namespace vantrel::ui
