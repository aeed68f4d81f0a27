// How long the window's event loop stands still while its seek slider is dragged. The viewer's
// main window opens a recording, pauses it, and its seek slider is pressed, moved across in 60
// steps and let go, a step every 50 ms as a hand drags it (the events are queued as the system
// queues a mouse's). A watchdog timer due every 5 ms notes how late it fires: the longest
// lateness is the longest stall a user would have seen. On a busy machine that wall-clock figure
// includes waiting for a core, so the longest time one mouse event took to handle (the viewer's
// own share, waits for decoder threads included) and the user-interface thread's longest CPU
// time between two firings are noted too. Prints these, the steps, the position reached and the
// CPU seconds the process used (user and system), tab-separated.
// usage: seek_drag_watchdog RECORDING
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "playing_window.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_slider_ctrl.h"

namespace {

constexpr int kSteps = 60;
constexpr int kStepMs = 50;
constexpr int kWatchdogMs = 5;

// CPU time of the calling thread.
double ThreadCpuMs() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void PostMouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  const QPointF local(x, widget->height() / 2);
  QCoreApplication::postEvent(widget, new QMouseEvent(type, local, widget->mapToGlobal(local),
                                                      button, buttons, Qt::NoModifier));
}

// Runs the event loop until done() or the time is up; false when the time ran out.
template <typename Done>
bool RunUntil(Done done, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeout_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Times the handling of every mouse event.
class TimedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  bool notify(QObject* receiver, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease) {
      return QApplication::notify(receiver, event);
    }
    QElapsedTimer handling;
    handling.start();
    const bool done = QApplication::notify(receiver, event);
    longest_mouse_ms = std::max(longest_mouse_ms, handling.nsecsElapsed() / 1e6);
    return done;
  }
  double longest_mouse_ms = 0;
};

}  // namespace

int main(int argc, char** argv) {
  TimedApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: seek_drag_watchdog RECORDING\n");
    return 2;
  }
  using namespace vantrel;
  bench::PlayingWindow playing;
  if (!playing.Open(QString::fromLocal8Bit(argv[1]))) return 1;
  ui::CRecboxViewerDlg& window = playing.window;
  window.controller().PausePlayback();

  QElapsedTimer since_fire;
  qint64 longest_late = 0;
  double last_cpu_ms = ThreadCpuMs();
  double longest_cpu_ms = 0;
  QTimer watchdog;
  watchdog.setTimerType(Qt::PreciseTimer);
  QObject::connect(&watchdog, &QTimer::timeout, [&] {
    longest_late = std::max(longest_late, since_fire.restart() - kWatchdogMs);
    const double cpu_ms = ThreadCpuMs();
    longest_cpu_ms = std::max(longest_cpu_ms, cpu_ms - last_cpu_ms);
    last_cpu_ms = cpu_ms;
  });
  ui::CRbSliderCtrl* slider = window.SeekSlider();
  const int left = 20;
  const int right = slider->width() - 20;
  int step = 0;
  QTimer drag;
  QObject::connect(&drag, &QTimer::timeout, [&] {
    const int x = left + (right - left) * step / kSteps;
    if (step == 0) {
      PostMouse(slider, QEvent::MouseButtonPress, x, Qt::LeftButton, Qt::LeftButton);
    } else if (step < kSteps) {
      PostMouse(slider, QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
    } else {
      PostMouse(slider, QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
      drag.stop();
    }
    ++step;
  });
  const double cpu_before = bench::ProcessCpuSeconds();
  since_fire.start();
  watchdog.start(kWatchdogMs);
  drag.start(kStepMs);
  RunUntil([&] { return step > kSteps; }, 600000);
  // The last picture's decode, on whichever thread it runs, is part of the drag.
  QElapsedTimer settle;
  settle.start();
  RunUntil([&] { return settle.elapsed() > 1000; }, 2000);
  watchdog.stop();
  std::printf(
      "longest_stall_ms\t%lld\nlongest_mouse_event_ms\t%.1f\nlongest_stall_cpu_ms\t%.1f\n"
      "steps\t%d\nposition_ms\t%d\ncpu_s\t%.2f\n",
      static_cast<long long>(longest_late), app.longest_mouse_ms, longest_cpu_ms, kSteps,
      window.controller().graph()->PositionMs(), bench::ProcessCpuSeconds() - cpu_before);
  window.controller().Shutdown();
  return 0;
}
