// How time and threads reach the playback controller: the window's timers and a way to hand work
// to the user-interface thread. The viewer implements them with Qt (platform/timer_qt.h,
// platform/ui_thread_qt.h); tests drive them by hand.
#pragma once

#include <chrono>
#include <functional>

namespace vantrel {

// A repeating timer that fires on the user-interface thread. Start restarts a running timer with
// the new interval and callback.
class RepeatingTimer {
 public:
  virtual ~RepeatingTimer() = default;
  virtual void Start(std::chrono::milliseconds interval, std::function<void()> on_fire) = 0;
  virtual void Stop() = 0;
  virtual bool IsRunning() const = 0;
};

// Runs closures on the user-interface thread in the order they were posted. Post may be called
// from any thread; a closure posted after the dispatcher is gone is dropped.
class UiDispatcher {
 public:
  virtual ~UiDispatcher() = default;
  virtual void Post(std::function<void()> task) = 0;
};

}  // namespace vantrel
