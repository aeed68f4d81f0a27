#include "ui/main/copy_progress_dialog.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <thread>

namespace vantrel::ui {
namespace {

// How often the dialog looks at the copy's progress.
constexpr int kPollMs = 100;
// The bar's steps; a byte count of a 4 GB file does not fit the bar's int range.
constexpr int kBarSteps = 1000;

}  // namespace

tools::CopyOutcome RunCopyWithProgress(QWidget* parent, const QString& label,
                                       const QString& cancel_text, const CopyJob& job) {
  tools::CopyProgress progress;
  std::atomic<bool> finished{false};
  tools::CopyOutcome outcome = tools::CopyOutcome::kFailed;

  QProgressDialog dialog(label, cancel_text, 0, kBarSteps, parent);
  dialog.setWindowTitle(QStringLiteral("Vantrel Viewer"));
  dialog.setWindowModality(Qt::WindowModal);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setMinimumDuration(0);
  QObject::connect(&dialog, &QProgressDialog::canceled, [&progress] { progress.cancel = true; });

  std::thread worker([&] {
    outcome = job(progress);
    finished = true;
  });
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (finished.load()) {
      loop.quit();
      return;
    }
    // A cancelled dialog has hidden itself; a new value would show it again.
    const uint64_t size = progress.total.load();
    if (!progress.cancel.load() && size > 0) {
      dialog.setValue(
          static_cast<int>(std::min<uint64_t>(progress.copied * kBarSteps / size, kBarSteps - 1)));
    }
  });
  poll.start(kPollMs);
  dialog.show();
  loop.exec();
  worker.join();
  return outcome;
}

}  // namespace vantrel::ui
