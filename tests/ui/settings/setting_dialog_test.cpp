// The settings dialog driven without a user over simulated cards: what it shows when it opens,
// the model's rules, choosing cards with and without "setup.cfg", the battery and clock
// controls, OK with and without a card (and with a card that refuses the write, may not be written
// to or is gone), the device-change refresh, the Format seam and the German places.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <filesystem>

#include "app/language.h"
#include "device/settings_file.h"
#include "setting_fixture.h"
#include "ui/settings/setting_ids.h"

namespace vantrel::ui {

namespace id = setting_id;

namespace {

QComboBox* List(CSettingDlg& dialog, int list_id) { return dialog.Control<QComboBox>(list_id); }

std::string ModelFile(int model, const device::DeviceSettings& settings) {
  return *device::FormatDeviceSettings(model, settings);
}

}  // namespace

class SettingDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<SettingFixture> fixture_;

  SettingFixture& Fixture() { return *fixture_; }
  // The option file the dialog reads when it opens.
  void WriteOptionFile(const std::string& lines) {
    QVERIFY(test::WriteFile(Fixture().dir.File("program/config/option.ini"), lines));
  }
  std::string OptionFile() {
    return test::ReadFile(Fixture().dir.File("program/config/option.ini"));
  }

 private slots:
  void init() { fixture_ = std::make_unique<SettingFixture>(); }
  void cleanup() { fixture_.reset(); }

  void OpeningSelectsNoCardAndShowsTheSavedModelsDefaults() {
    WriteOptionFile("MODEL=5\r\nLANGUAGE=0\r\nPLAY_VALUE=7\r\nSAVE_DIRECTORY=/shots\r\n");
    CSettingDlg& dialog = Fixture().Open();
    QCOMPARE(dialog.size(), QSize(900, 615));
    QCOMPARE(dialog.windowTitle(), QString::fromStdString(*LoadLanguageString(kEnglish, 106)));
    QCOMPARE(List(dialog, id::kModelList)->count(), 6);
    QCOMPARE(List(dialog, id::kModelList)->currentText(), QString("KT730A(Merida)"));
    QComboBox* cards = List(dialog, id::kCardList);
    QCOMPARE(cards->count(), 2);
    QCOMPARE(cards->itemText(0), QString::fromStdString("KT520A(" + Fixture().CardRoot("a") + ")"));
    QCOMPARE(cards->itemText(1), QString::fromStdString("(" + Fixture().CardRoot("b") + ")"));
    QCOMPARE(cards->currentIndex(), -1);
    QVERIFY(!dialog.ChosenCard());

    device::DeviceSettings defaults;
    device::ApplyModelDefaults(5, defaults);
    QVERIFY(dialog.Settings() == defaults);
    QCOMPARE(List(dialog, id::kLcdOffTime)->count(), 3);
    QCOMPARE(List(dialog, id::kBatteryCutOff)->currentText(), QString("11.9V"));
    QCOMPARE(List(dialog, id::kSpeakerVolume)->currentText(), QString("Level 3"));
    // The clock lists show the current time but stay disabled until the check box is ticked.
    QCOMPARE(List(dialog, id::kYear)->currentText(), QString("2013"));
    QCOMPARE(List(dialog, id::kSecond)->currentText(), QString("09"));
    QVERIFY(!List(dialog, id::kYear)->isEnabled());
    QVERIFY(!dialog.Control<QCheckBox>(id::kSetClock)->isChecked());
    // Model 5 has the SD allocation group and a fixed parking mode.
    QVERIFY(List(dialog, id::kSdAllocation)->isEnabled());
    QVERIFY(!List(dialog, id::kParkingMode)->isEnabled());
    QCOMPARE(dialog.Control<QLineEdit>(id::kSaveFolder)->text(), QString("/shots"));
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(), QString("7"));
    QCOMPARE(dialog.Control<QSlider>(id::kSkipStep)->value(), 7);
    QCOMPARE(List(dialog, id::kLanguage)->currentText(), QString("English"));
  }

  void ChangingTheModelWithoutACardResetsTheViewerOptions() {
    WriteOptionFile(
        "MODEL=3\r\nLANGUAGE=0\r\nPLAY_VALUE=9\r\nREAR_MIRROR=1\r\nSAVE_DIRECTORY=/s\r\n");
    CSettingDlg& dialog = Fixture().Open();
    QVERIFY(!List(dialog, id::kSdAllocation)->isEnabled());
    QVERIFY(!List(dialog, id::kParkingMode)->isEnabled());
    QVERIFY(dialog.Control<QCheckBox>(id::kRearMirror)->isChecked());

    Choose(List(dialog, id::kModelList), 0);
    QVERIFY(List(dialog, id::kParkingMode)->isEnabled());
    QVERIFY(!dialog.Control<QWidget>(1124)->isEnabled());
    QCOMPARE(List(dialog, id::kParkingMode)->currentIndex(), 0);
    QCOMPARE(List(dialog, id::kLcdOffTime)->count(), 5);
    QCOMPARE(List(dialog, id::kLcdOffTime)->currentIndex(), 1);
    QCOMPARE(dialog.Control<QLineEdit>(id::kSaveFolder)->text(),
             QString::fromStdString(Fixture().dir.File("home") + "/Documents/CAM_CAPTURE"));
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(), QString("5"));
    QVERIFY(!dialog.Control<QCheckBox>(id::kRearMirror)->isChecked());
  }

  void ACardWithoutASettingsFileResetsWhatTheOneBeforeShowed() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=0\r\nPLAY_VALUE=8\r\nSAVE_DIRECTORY=/s\r\n");
    device::DeviceSettings on_card;
    device::ApplyModelDefaults(1, on_card);
    on_card.acc_trigger_level = 6;
    on_card.battery = device::BatterySystem::k24Volt;
    on_card.battery_cutoff = 5;
    on_card.sd_allocation = 1;
    on_card.software_version = "V4.0.1";
    QVERIFY(test::WriteFile(Fixture().CardRoot("a") + "setup.cfg", ModelFile(1, on_card)));
    QVERIFY(test::WriteFile(Fixture().CardRoot("a") + "time.cfg", "20/12/31\r\n23/59/58\r\n"));
    CSettingDlg& dialog = Fixture().Open();

    Choose(List(dialog, id::kCardList), 0);
    QCOMPARE(dialog.Settings().acc_trigger_level, 6);
    QVERIFY(dialog.Control<QRadioButton>(id::kBattery24Volt)->isChecked());
    QCOMPARE(List(dialog, id::kBatteryCutOff)->currentText(), QString("24.3V"));
    QCOMPARE(dialog.Settings().software_version, std::string("V4.0.1"));
    QCOMPARE(List(dialog, id::kYear)->currentText(), QString("2020"));
    QCOMPARE(List(dialog, id::kSecond)->currentText(), QString("58"));
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(),
             QString("8"));  // a card with a file leaves the viewer options

    Choose(List(dialog, id::kCardList), 1);
    device::DeviceSettings expected;
    device::ApplyModelDefaults(1, expected);
    expected.software_version = "V4.0.1";  // kept for the next card
    QVERIFY(dialog.Settings() == expected);
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(), QString("5"));
    QCOMPARE(List(dialog, id::kYear)->currentText(), QString("2013"));  // the current time
  }

  void SwitchingTheBatterySystemKeepsTheCutOffIndex() {
    WriteOptionFile("MODEL=0\r\nLANGUAGE=0\r\n");
    CSettingDlg& dialog = Fixture().Open();
    QCOMPARE(List(dialog, id::kBatteryCutOff)->currentText(), QString("11.9V"));
    dialog.Control<QRadioButton>(id::kBattery24Volt)->click();
    QCOMPARE(List(dialog, id::kBatteryCutOff)->currentText(), QString("23.8V"));
    QCOMPARE(List(dialog, id::kBatteryCutOff)->count(), 7);
    List(dialog, id::kBatteryCutOff)->setCurrentIndex(-1);
    dialog.Control<QRadioButton>(id::kBattery12Volt)->click();
    QCOMPARE(List(dialog, id::kBatteryCutOff)->currentIndex(), 0);  // no selection: the first
  }

  void OkWritesTheCardsFilesAndTheViewerOptions() {
    WriteOptionFile("MODEL=3\r\nLANGUAGE=2\r\n");
    QVERIFY(test::WriteFile(Fixture().CardRoot("b") + "time.cfg", "99/99/99\r\n"));
    QVERIFY(test::WriteFile(Fixture().dir.File("program/Vantrel Viewer.msi"), "package"));
    CSettingDlg& dialog = Fixture().Open();
    Choose(List(dialog, id::kCardList), 1);
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    device::DeviceSettings defaults;
    device::ApplyModelDefaults(3, defaults);
    QCOMPARE(test::ReadFile(Fixture().CardRoot("b") + "setup.cfg"), ModelFile(3, defaults));
    QCOMPARE(test::ReadFile(Fixture().CardRoot("b") + "time.cfg"),
             std::string("99/99/99\r\n"));  // the clock box was not ticked
    QCOMPARE(test::ReadFile(Fixture().CardRoot("b") + "Vantrel Viewer.msi"),
             std::string("package"));
    // The language stays German; the model is stored.
    QCOMPARE(Fixture().options.language, kGerman);
    QCOMPARE(Fixture().options.model, 3);
    QVERIFY(OptionFile().find("LANGUAGE=2\r\n") != std::string::npos);
    QVERIFY(OptionFile().find("MODEL=3\r\n") != std::string::npos);
    QVERIFY(Fixture().messages.texts.empty());
  }

  void TheClockIsWrittenWhenItsBoxIsTicked() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=0\r\n");
    CSettingDlg& dialog = Fixture().Open();
    Choose(List(dialog, id::kCardList), 0);
    dialog.Control<QCheckBox>(id::kSetClock)->click();
    QVERIFY(List(dialog, id::kMonth)->isEnabled());
    QCOMPARE(List(dialog, id::kMonth)->currentText(), QString("05"));
    List(dialog, id::kDay)->setCurrentIndex(0);
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(test::ReadFile(Fixture().CardRoot("a") + "time.cfg"),
             std::string("13/05/01\r\n14/03/09\r\n"));
    QVERIFY(!std::filesystem::exists(Fixture().CardRoot("a") +
                                     "Vantrel Viewer.msi"));  // no installer in a development build
  }

  void OkWithoutACardAsksAndWritesNoCard() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=1\r\n");
    CSettingDlg& dialog = Fixture().Open();
    Fixture().answer_ok = false;
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(Fixture().questions.size(), size_t{1});
    QCOMPARE(Fixture().questions[0], QString::fromStdString(*LoadLanguageString(kKorean, 213)));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(OptionFile().find("[OPTION]") == std::string::npos);  // nothing stored yet

    Fixture().answer_ok = true;
    Choose(List(dialog, id::kLanguage), kJapanese);
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Fixture().options.language, kJapanese);
    QVERIFY(OptionFile().find("LANGUAGE=3\r\n") != std::string::npos);
    QVERIFY(!std::filesystem::exists(Fixture().CardRoot("a") + "setup.cfg"));
    QVERIFY(!std::filesystem::exists(Fixture().CardRoot("b") + "setup.cfg"));
  }

  void ACardThatRefusesTheWriteKeepsTheDialogOpen() {
    WriteOptionFile("MODEL=2\r\nLANGUAGE=2\r\n");
    CSettingDlg& dialog = Fixture().Open();
    Choose(List(dialog, id::kCardList), 0);
    // The card's folder is gone while its disk is still there: the write fails.
    std::filesystem::remove_all(Fixture().CardRoot("a"));
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Fixture().messages.texts.size(), size_t{1});
    const std::string& text = Fixture().messages.texts[0];
    QVERIFY(text.find("setup.cfg") != std::string::npos);
    QVERIFY(text.find("Speicherkarte") != std::string::npos);
    QVERIFY(OptionFile().find("[OPTION]") == std::string::npos);  // nothing stored
  }

  void ACardThatMayNotBeWrittenIsListedButNeverWritten() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=0\r\n");
    const std::string locked_disk = Fixture().dir.File("a.img");
    Fixture().can_write = [locked_disk](const std::string& disk) { return disk != locked_disk; };
    const std::string setup = "Product Name            : KT520A\r\n";
    const std::string time = "20/12/31\r\n23/59/58\r\n";
    QVERIFY(test::WriteFile(Fixture().CardRoot("a") + "setup.cfg", setup));
    QVERIFY(test::WriteFile(Fixture().CardRoot("a") + "time.cfg", time));
    CSettingDlg& dialog = Fixture().Open();
    QComboBox* cards = List(dialog, id::kCardList);
    QCOMPARE(cards->count(), 2);
    QCOMPARE(cards->itemText(0), QString::fromStdString("KT520A(" + Fixture().CardRoot("a") + ")"));
    Choose(cards, 0);
    QCOMPARE(dialog.ChosenCard()->root, Fixture().CardRoot("a"));

    // OK tells text 5061 about the card, writes neither its files nor the viewer options, and
    // keeps the dialog open.
    dialog.Control<QCheckBox>(id::kSetClock)->click();
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(Fixture().messages.texts.size(), size_t{1});
    std::string expected = *LoadLanguageString(kEnglish, 5061);
    expected.replace(expected.find("%s"), 2, "KT520A(" + Fixture().CardRoot("a") + ")");
    QCOMPARE(Fixture().messages.texts[0], expected);
    QCOMPARE(test::ReadFile(Fixture().CardRoot("a") + "setup.cfg"), setup);
    QCOMPARE(test::ReadFile(Fixture().CardRoot("a") + "time.cfg"), time);
    QVERIFY(!std::filesystem::exists(Fixture().CardRoot("a") + "Vantrel Viewer.msi"));
    QVERIFY(OptionFile().find("[OPTION]") == std::string::npos);
    QVERIFY(Fixture().questions.empty());

    // Format tells the same and never reaches the format seam.
    dialog.Control<QPushButton>(id::kFormat)->click();
    QVERIFY(Fixture().formats.empty());
    QCOMPARE(Fixture().messages.texts.size(), size_t{2});
    QCOMPARE(Fixture().messages.texts[1], expected);

    // The writable card next to it is still written.
    Choose(cards, 1);
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(std::filesystem::exists(Fixture().CardRoot("b") + "setup.cfg"));
    QCOMPARE(test::ReadFile(Fixture().CardRoot("a") + "setup.cfg"), setup);
  }

  void CardsComingAndGoingRefreshTheList() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=0\r\n");
    CSettingDlg& dialog = Fixture().Open();
    Choose(List(dialog, id::kCardList), 0);
    Fixture().InsertCard("d");
    QCOMPARE(List(dialog, id::kCardList)->count(), 3);
    QCOMPARE(List(dialog, id::kCardList)->currentIndex(), -1);  // the selection is lost

    Choose(List(dialog, id::kCardList), 0);
    Fixture().volumes.Remove(Fixture().CardRoot("a"));
    QCOMPARE(List(dialog, id::kCardList)->count(), 2);
    QVERIFY(!dialog.ChosenCard());
    // OK now has no card: it asks, and writes to no card.
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(Fixture().questions.size(), size_t{1});
    QVERIFY(!std::filesystem::exists(Fixture().CardRoot("a") + "setup.cfg"));
  }

  void FormatGoesToTheSeamOnlyWithACard() {
    WriteOptionFile("MODEL=4\r\nLANGUAGE=0\r\n");
    QVERIFY(test::WriteFile(Fixture().CardRoot("a") + "setup.cfg",
                            "Product Name            : KT520A\r\n"
                            "H/W Version             : V1.0.0\r\n"
                            "S/W Version             : V1.0.0\r\n"
                            "Acc Trigger Level       : 3\r\n"
                            "REC Video Qulity        : 3\r\n"
                            "REC Audio Enable        : 1\r\n"
                            "SPK Vol                 : 3\r\n"
                            "Video Channles          : 2\r\n"
                            "Parking Mode Select     : 1\r\n"
                            "Car Battery Volt        : 0\r\n"
                            "Battery CutOff Volt     : 3\r\n"
                            "Power Off Timer         : 2\r\n"
                            "SD Allocation           : 1\r\n"));
    CSettingDlg& dialog = Fixture().Open();
    dialog.Control<QPushButton>(id::kFormat)->click();
    QVERIFY(Fixture().formats.empty());
    Choose(List(dialog, id::kCardList), 0);
    dialog.Control<QPushButton>(id::kFormat)->click();
    QCOMPARE(Fixture().formats.size(), size_t{1});
    const CardFormatRequest& request = Fixture().formats[0];
    QCOMPARE(request.card.root, Fixture().CardRoot("a"));
    QCOMPARE(request.card.device_path, Fixture().dir.File("a.img"));
    QCOMPARE(request.model, 4);
    QCOMPARE(request.sd_allocation_last_read, 1);
  }

  void BrowseAndSliderFillTheViewerOptions() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=0\r\n");
    CSettingDlg& dialog = Fixture().Open();
    dialog.Control<QPushButton>(id::kBrowse)->click();
    QCOMPARE(dialog.Control<QLineEdit>(id::kSaveFolder)->text(), QString("/picked/folder"));
    dialog.Control<QSlider>(id::kSkipStep)->setValue(10);
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(), QString("10"));
    dialog.Control<QPushButton>(id::kDefault)->click();
    QCOMPARE(dialog.Control<QLabel>(id::kSkipStepValue)->text(), QString("5"));
    dialog.Control<QSlider>(id::kSkipStep)->setValue(3);
    Fixture().answer_ok = true;
    dialog.Control<QPushButton>(id::kOk)->click();
    QCOMPARE(Fixture().options.skip_step, 3);
  }

  void GermanMovesTheLongTextsAndLcdOffStaysLiteral() {
    WriteOptionFile("MODEL=1\r\nLANGUAGE=2\r\n");
    CSettingDlg& dialog = Fixture().Open();
    QCOMPARE(dialog.Control<QLabel>(1074)->geometry(), QRect(313, 40, 258, 35));
    QCOMPARE(List(dialog, id::kCardList)->geometry(), QRect(369, 80, 102, 23));
    QCOMPARE(dialog.Control<QPushButton>(id::kFormat)->geometry(), QRect(476, 80, 102, 23));
    QCOMPARE(dialog.Control<QPushButton>(id::kBrowse)->geometry(), QRect(826, 78, 50, 23));
    QCOMPARE(dialog.Control<QGroupBox>(1068)->title(), QString("LCD OFF"));
    QCOMPARE(dialog.Control<QLabel>(1101)->text(), QString("LCD OFF"));

    fixture_ = std::make_unique<SettingFixture>();
    WriteOptionFile("MODEL=1\r\nLANGUAGE=1\r\n");
    CSettingDlg& korean = Fixture().Open();
    QCOMPARE(korean.Control<QLabel>(1074)->geometry(), QRect(313, 50, 258, 23));
    QCOMPARE(korean.Control<QLabel>(1101)->text(), QString("LCD OFF"));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::SettingDialogTest)
#include "setting_dialog_test.moc"
