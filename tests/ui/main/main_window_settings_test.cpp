// The Setting command: playback paused around the settings dialog, and after OK the language the
// dialog stored applied to the window; Cancel applies nothing.
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/language.h"
#include "temp_dir.h"
#include "ui/main/control_ids.h"
#include "ui/settings/setting_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {

class MainWindowSettingsTest : public QObject {
  Q_OBJECT

 private:
  // Runs the Setting command; while the dialog is open, `act` gets it.
  void RunSetting(WindowFixture& fixture, const std::function<void(CSettingDlg&)>& act) {
    SettingDialogServices services;
    services.option_file = dir_->File("option.ini");
    services.confirm = [](QWidget*, const QString&) { return true; };
    services.messages = &fixture.messages;
    fixture.window->SetSettingServices(services);
    bool acted = false;
    QTimer::singleShot(0, fixture.window.get(), [&] {
      auto* dialog = fixture.window->findChild<CSettingDlg*>();
      QVERIFY(dialog != nullptr);
      act(*dialog);
      acted = true;
    });
    fixture.window->OnCommand(button_id::kSetting);
    QVERIFY(acted);
  }

  std::unique_ptr<test::TempDir> dir_;

 private slots:
  void init() {
    dir_ = std::make_unique<test::TempDir>();
    qputenv("HOME", QByteArray::fromStdString(dir_->File("home")));
  }

  void OkAppliesTheStoredLanguage() {
    WindowFixture fixture(kEnglish);
    fixture.playback.state = PlaybackState::kRunning;
    RunSetting(fixture, [](CSettingDlg& dialog) {
      auto* languages = dialog.Control<QComboBox>(setting_id::kLanguage);
      languages->setCurrentIndex(kGerman);
      dialog.Control<QPushButton>(setting_id::kOk)->click();
    });
    QCOMPARE(fixture.playback.pauses, 1);
    QCOMPARE(fixture.playback.resumes, 0);  // the list has no rows
    QCOMPARE(fixture.window->LanguageIndex(), kGerman);
    QCOMPARE(fixture.window->Button(button_id::kSetting)->toolTip(),
             QString::fromStdString(*LoadLanguageString(kGerman, 106)));
  }

  void CancelAppliesNothing() {
    WindowFixture fixture(kEnglish);
    RunSetting(fixture, [](CSettingDlg& dialog) {
      dialog.Control<QComboBox>(setting_id::kLanguage)->setCurrentIndex(kJapanese);
      dialog.Control<QPushButton>(setting_id::kCancel)->click();
    });
    QCOMPARE(fixture.playback.pauses, 0);  // it was not playing
    QCOMPARE(fixture.window->LanguageIndex(), kEnglish);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowSettingsTest)
#include "main_window_settings_test.moc"
