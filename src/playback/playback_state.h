// The state of a recording's playback, as the media graph reports it and the window reads it.
#pragma once

namespace vantrel {

// kNone: there is no player (nothing opened, or the build failed).
enum class PlaybackState { kNone = -1, kRunning = 0, kPaused = 1, kStopped = 2, kClosed = 3 };

}  // namespace vantrel
