// A repeating timer of the user-interface thread, on QTimer.
#pragma once

#include <QTimer>
#include <functional>

#include "playback/controller/playback_controller_ports.h"

namespace vantrel::platform {

class TimerQt : public RepeatingTimer {
 public:
  TimerQt();
  void Start(std::chrono::milliseconds interval, std::function<void()> on_fire) override;
  void Stop() override;
  bool IsRunning() const override;

 private:
  QTimer timer_;
  std::function<void()> on_fire_;
};

}  // namespace vantrel::platform
