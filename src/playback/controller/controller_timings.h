// The fixed delays of the playback controller, gathered in one record so that tests can run the
// controller without waiting and the window can keep the values the viewer has always used.
#pragma once

#include <chrono>

namespace vantrel {

struct ControllerTimings {
  // The playback tick: seek slider, time read-out, gauges, map.
  std::chrono::milliseconds tick{200};
  // A double click on a list row opens it this long after the last click.
  std::chrono::milliseconds double_click_delay{1000};
  // The loader lets the previous recording's graph wind down this long before opening.
  std::chrono::milliseconds settle{500};
  // How long a new open waits for a loader that is still running before giving it up.
  std::chrono::milliseconds loader_grace{100};
  // How long emptying the temp folder waits for a given-up loader to stop writing into it.
  std::chrono::milliseconds preparation_wait{1000};
};

}  // namespace vantrel
