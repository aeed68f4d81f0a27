// The main window as the window benchmarks run it: no sound card, short loading delays, a
// 1280x800 window opened on one recording and playing it; and the process's CPU time.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/volume_provider_simulated.h"
#include "ui/main/main_window.h"

namespace vantrel::bench {

// User and system seconds of every thread of the process so far.
double ProcessCpuSeconds();

// Runs the event loop, idle between events, until done() (looked at every 50 ms) or the time is
// up; false when the time ran out.
template <typename Done>
bool RunEventLoopUntil(Done done, int timeout_ms) {
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

struct PlayingWindow {
  PlayingWindow();
  // Shows the window, opens the recording and waits until it plays and the tick has given the
  // seek slider the recording's length; false (with a line on stderr) after a minute without.
  bool Open(const QString& recording);

  platform::SimulatedVolumeProvider volumes;
  ui::CRecboxViewerDlg window;
};

}  // namespace vantrel::bench
