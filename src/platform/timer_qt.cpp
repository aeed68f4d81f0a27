#include "platform/timer_qt.h"

namespace vantrel::platform {

TimerQt::TimerQt() {
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    // The callback may restart the timer with another callback: run a copy.
    const std::function<void()> fire = on_fire_;
    if (fire) fire();
  });
}

void TimerQt::Start(std::chrono::milliseconds interval, std::function<void()> on_fire) {
  on_fire_ = std::move(on_fire);
  timer_.start(interval);
}

void TimerQt::Stop() { timer_.stop(); }

bool TimerQt::IsRunning() const { return timer_.isActive(); }

}  // namespace vantrel::platform
