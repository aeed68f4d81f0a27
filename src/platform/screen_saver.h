// Holds off the desktop's screen saver while a recording plays, through the session's
// org.freedesktop.ScreenSaver service. Without a session bus or that service nothing happens and
// nothing fails.
#pragma once

#include <cstdint>
#include <optional>

namespace vantrel::platform {

class ScreenSaverInhibitor {
 public:
  ScreenSaverInhibitor() = default;
  // A hold still in place is released.
  ~ScreenSaverInhibitor();
  ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
  ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

  // true asks the desktop to keep the screen saver off, false lets it run again. Repeating the
  // current wish does nothing.
  void Hold(bool hold);
  bool holding() const { return holding_; }

 private:
  bool holding_ = false;
  // The desktop's receipt for the hold; none when no service took it.
  std::optional<uint32_t> cookie_;
};

}  // namespace vantrel::platform
