// The CPU time the viewer's window spends playing a recording at normal speed. The main window
// opens the recording and, once it plays, shows the front channel (as it opens) or both (all),
// then the process's CPU seconds (user and system, every thread) are counted over the given
// wall-clock seconds. Prints the window's and the shown
// surfaces' sizes, the seconds, the surfaces' paints and the CPU seconds, tab-separated.
// usage: window_play_cpu RECORDING SECONDS front|all
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/volume_provider_simulated.h"
#include "playback/video_placement.h"
#include "playback/widgets/rb_screen_ctrl.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_slider_ctrl.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop, idle between events, until done() (looked at every 50 ms) or the time is
// up; false when the time ran out.
template <typename Done>
bool RunUntil(Done done, int timeout_ms) {
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (done() || clock.elapsed() > timeout_ms) loop.quit();
  });
  poll.start(50);
  if (!done()) loop.exec();
  return done();
}

// Counts the paints of the widgets it watches.
class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return QObject::eventFilter(watched, event);
  }
  long paints = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string_view channels = argc == 4 ? argv[3] : "";
  if (argc != 4 || (channels != "front" && channels != "all")) {
    std::fprintf(stderr, "usage: window_play_cpu RECORDING SECONDS front|all\n");
    return 2;
  }
  const int seconds = std::atoi(argv[2]);
  using namespace vantrel;
  platform::SimulatedVolumeProvider volumes;
  ui::PlaybackSetup setup;
  setup.use_sound_card = false;
  ui::CRecboxViewerDlg window(ViewerOptions{}, volumes, setup, ui::LoadTimings{10, 20},
                              [](QWidget*, int) { return std::nullopt; });
  window.resize(1280, 800);
  window.show();
  window.OpenPaths({QString::fromLocal8Bit(argv[1])});
  if (!RunUntil(
          [&] {
            return window.controller().State() == PlaybackState::kRunning &&
                   window.SeekSlider()->maximum() > 1000;
          },
          60000)) {
    std::fprintf(stderr, "the recording did not start playing\n");
    return 1;
  }
  if (channels == "all") window.controller().ApplyChannelMode(kAllMode);
  PaintCounter counter;
  window.Surface(1)->installEventFilter(&counter);
  window.Surface(2)->installEventFilter(&counter);
  const double cpu_before = CpuSeconds();
  QElapsedTimer clock;
  clock.start();
  RunUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000);
  const double cpu = CpuSeconds() - cpu_before;
  std::printf("window\t%dx%d\n", window.width(), window.height());
  for (int channel = 1; channel <= 2; ++channel) {
    const ui::CRbScreenCtrl* surface = window.Surface(channel);
    if (surface->isVisible())
      std::printf("surface_%d\t%dx%d\n", channel, surface->width(), surface->height());
  }
  std::printf("seconds\t%d\nsurface_paints\t%ld\ncpu_s\t%.2f\n", seconds, counter.paints, cpu);
  window.controller().Shutdown();
  return 0;
}
