#include "playing_window.h"

#include <sys/resource.h>

#include <cstdio>
#include <optional>

#include "ui/skin/rb_slider_ctrl.h"

namespace vantrel::bench {
namespace {

ui::PlaybackSetup SilentSetup() {
  ui::PlaybackSetup setup;
  setup.use_sound_card = false;
  return setup;
}

}  // namespace

double ProcessCpuSeconds() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

PlayingWindow::PlayingWindow()
    : window(ViewerOptions{}, volumes, SilentSetup(), ui::LoadTimings{10, 20},
             [](QWidget*, int) { return std::nullopt; }) {}

bool PlayingWindow::Open(const QString& recording) {
  window.resize(1280, 800);
  window.show();
  window.OpenPaths({recording});
  if (RunEventLoopUntil(
          [&] {
            return window.controller().State() == PlaybackState::kRunning &&
                   window.SeekSlider()->maximum() > 1000;
          },
          60000)) {
    return true;
  }
  std::fprintf(stderr, "the recording did not start playing\n");
  return false;
}

}  // namespace vantrel::bench
