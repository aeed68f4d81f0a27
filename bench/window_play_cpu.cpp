// The CPU time the viewer's window spends playing a recording at normal speed. The main window
// opens the recording and, once it plays, shows the front channel (as it opens) or both (all),
// then the process's CPU seconds (user and system, every thread) are counted over the given
// wall-clock seconds. Prints the window's and the shown
// surfaces' sizes, the seconds, the surfaces' paints and the CPU seconds, tab-separated.
// usage: window_play_cpu RECORDING SECONDS front|all
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "playback/video_placement.h"
#include "playback/widgets/rb_screen_ctrl.h"
#include "playing_window.h"

namespace {

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
  bench::PlayingWindow playing;
  if (!playing.Open(QString::fromLocal8Bit(argv[1]))) return 1;
  ui::CRecboxViewerDlg& window = playing.window;
  if (channels == "all") window.controller().ApplyChannelMode(kAllMode);
  PaintCounter counter;
  window.Surface(1)->installEventFilter(&counter);
  window.Surface(2)->installEventFilter(&counter);
  const double cpu_before = bench::ProcessCpuSeconds();
  QElapsedTimer clock;
  clock.start();
  bench::RunEventLoopUntil([&] { return clock.elapsed() >= seconds * 1000; }, seconds * 1000);
  const double cpu = bench::ProcessCpuSeconds() - cpu_before;
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
