// The Qt side of the controller's timers and its user-interface thread: closures posted from a
// loader thread run on the thread that made the dispatcher, in order; a timer fires until stopped
// and may replace its own callback while firing.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <thread>
#include <vector>

#include "platform/timer_qt.h"
#include "platform/ui_thread_qt.h"

namespace vantrel {
namespace {

// Runs the event loop until done() or five seconds passed.
bool ProcessUntil(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > 5000) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

class QtAdapters : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "playback_tests";
      static char* argv[] = {name, nullptr};
      new QCoreApplication(argc, argv);  // lives for the rest of the test program
    }
  }
};

TEST_F(QtAdapters, PostedClosuresRunOnTheUserInterfaceThreadInOrder) {
  platform::UiThreadQt ui;
  std::vector<int> order;
  std::vector<std::thread::id> threads;
  std::thread loader([&] {
    for (int k = 0; k < 3; ++k) {
      ui.Post([&, k] {
        order.push_back(k);
        threads.push_back(std::this_thread::get_id());
      });
    }
  });
  loader.join();
  EXPECT_TRUE(order.empty());  // nothing runs before the event loop does
  ASSERT_TRUE(ProcessUntil([&] { return order.size() == 3; }));
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  for (const auto& id : threads) EXPECT_EQ(id, std::this_thread::get_id());

  // Closures still queued when the dispatcher goes are dropped.
  bool ran = false;
  {
    platform::UiThreadQt gone;
    gone.Post([&] { ran = true; });
  }
  QCoreApplication::processEvents();
  EXPECT_FALSE(ran);
}

TEST_F(QtAdapters, ATimerFiresUntilStoppedAndMayRestartItself) {
  platform::TimerQt timer;
  EXPECT_FALSE(timer.IsRunning());
  int first = 0, second = 0;
  timer.Start(std::chrono::milliseconds(1), [&] {
    ++first;
    // Replacing the callback from inside it must not pull it out from under the call.
    timer.Start(std::chrono::milliseconds(1), [&] { ++second; });
  });
  EXPECT_TRUE(timer.IsRunning());
  ASSERT_TRUE(ProcessUntil([&] { return second >= 2; }));
  EXPECT_EQ(first, 1);
  timer.Stop();
  EXPECT_FALSE(timer.IsRunning());
  const int fired = second;
  QElapsedTimer wait;
  wait.start();
  while (wait.elapsed() < 30) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  EXPECT_EQ(second, fired);
}

}  // namespace
}  // namespace vantrel
