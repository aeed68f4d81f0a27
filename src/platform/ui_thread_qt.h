// The user-interface thread of a Qt program as the playback controller posts to it: closures are
// queued to the thread this object was made on and run from its event loop.
#pragma once

#include <QObject>
#include <functional>

#include "playback/controller/playback_controller_ports.h"

namespace vantrel::platform {

class UiThreadQt : public UiDispatcher {
 public:
  // Made on the user-interface thread. Closures still queued when it goes are dropped.
  UiThreadQt() = default;
  void Post(std::function<void()> task) override;

 private:
  QObject context_;
};

}  // namespace vantrel::platform
