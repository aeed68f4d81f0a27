// The viewer's own context menu: a playback pop-up and a list-filter pop-up for each of the four
// languages (German, English, Korean, Japanese in that order). A right click on the window opens
// the playback pop-up of the current language; the list-filter pop-ups are never shown, but their
// commands work like the filter buttons.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace vantrel::ui {

struct MenuItem {
  std::string_view text;  // UTF-8; empty with command 0 for a separator
  int command = 0;
};

struct MenuPopup {
  std::string_view title;
  std::vector<MenuItem> items;
};

// Commands from 32810 on: Open, Play/Pause, Prev, Next, Darken, Brighten, brightness default,
// Faster, Slower, speed default, volume up, volume down, Mute.
inline constexpr int kFirstPlaybackMenuCommand = 32810;
// Commands from 32823 on: All, Normal, Event, Parking.
inline constexpr int kFirstFilterMenuCommand = 32823;

// The eight pop-ups: German playback, German list filter, English playback, English list filter,
// Korean playback, Korean list filter, Japanese playback, Japanese list filter.
const std::array<MenuPopup, 8>& ViewerMenu();

// The pop-up shown for a language index: 2 English, 4 Korean, 0 German, 6 Japanese; -1 (no menu)
// for any other index.
int PlaybackPopupIndex(int language_index);

// Whether a right click at client x opens the menu: only left of the right column.
bool RightClickOpensMenu(int x, int right_column_left);

}  // namespace vantrel::ui
