// The About command: the about box over paused playback, its card information check on the
// window's own catalogue, and nothing while a recording loads.
#include <QtTest>

#include "device/device_info_command.h"
#include "device/widgets/about_dlg.h"
#include "ui/main/control_ids.h"
#include "window_fixture.h"

namespace vantrel::ui {

class MainWindowAboutTest : public QObject {
  Q_OBJECT

 private slots:
  void pausesRunningPlaybackAndChecksTheOpenCard() {
    WindowFixture fixture(kKorean);
    fixture.playback.state = PlaybackState::kRunning;
    bool about_shown = false;
    QTimer::singleShot(0, [&] {
      auto* about = qobject_cast<CAboutDlg*>(QApplication::activeModalWidget());
      if (about == nullptr) return;
      about_shown = true;
      about->OnDeviceInfo();  // nothing is open
      about->accept();
    });
    fixture.window->OnCommand(button_id::kAbout);
    QVERIFY(about_shown);
    QCOMPARE(fixture.playback.pauses, 1);
    QCOMPARE(fixture.playback.resumes, 0);  // an empty list has nothing to resume
    QCOMPARE(fixture.messages.texts, std::vector<std::string>{device::kNothingPlayedMessage});
  }

  void doesNothingWhileARecordingLoads() {
    WindowFixture fixture;
    fixture.playback.loading = true;
    fixture.playback.state = PlaybackState::kRunning;
    bool about_shown = false;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        about_shown = true;
        modal->close();
      }
    });
    fixture.window->OnCommand(button_id::kAbout);
    QCoreApplication::processEvents();
    QVERIFY(!about_shown);
    QCOMPARE(fixture.playback.pauses, 0);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowAboutTest)
#include "main_window_about_test.moc"
