// CSettingDlg, the settings dialog behind the main window's Setting command: the recorder's
// settings on a chosen card ("setup.cfg" and the clock file "time.cfg"), the recorder model, and
// the viewer's own options (save folder, skip step, rear mirror, language). Nothing reaches a card
// before OK, except through the Format button.
//
// The dialog edits the ViewerOptions it is given: it reads the option file into them when it
// opens and stores them (and writes the file) on OK. The volume provider must outlive the dialog;
// it is used on the user-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "catalogue/drive_probe.h"
#include "device/card_drives.h"
#include "device/clock_file.h"
#include "device/device_settings.h"
#include "device/settings_lists.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace vantrel::platform {
class VolumeProvider;
}

namespace vantrel::ui {

class CSettingDlg;

// What the Format button hands to the card formatting: the card chosen in the dialog, the model
// and the SD allocation last read. Only called with a card chosen.
struct CardFormatRequest {
  CSettingDlg* dialog = nullptr;
  device::CardDriveEntry card;
  int model = -1;
  int sd_allocation_last_read = device::kSdAllocationNotRead;
  int language = 0;
};
using CardFormatter = std::function<void(const CardFormatRequest&)>;

// What the dialog needs from its surroundings; tests replace any of it.
struct SettingDialogServices {
  platform::VolumeProvider* volumes = nullptr;  // required
  DiskWriteCheck can_write = CanOpenForWriting;
  // The option file; empty: the program folder's "config/option.ini".
  std::string option_file;
  // Where the installer lies; empty: the executable's folder.
  std::string program_folder;
  // The local time the clock lists are filled with; empty: now.
  std::function<std::tm()> local_time;
  // The folder browser of the save folder; empty: the viewer's folder picker.
  std::function<std::optional<QString>(QWidget* parent, int language)> browse_folder;
  // The OK/Cancel question of OK without a card; true for OK. Empty: a message box.
  std::function<bool(QWidget* parent, const QString& question)> confirm;
  // Where failures are told; null: a message box over the dialog.
  UserMessages* messages = nullptr;
  // The Format button; unset, it does nothing.
  CardFormatter format_card;
};

class CSettingDlg : public QDialog {
  Q_OBJECT

 public:
  CSettingDlg(ViewerOptions& options, SettingDialogServices services, QWidget* parent = nullptr);
  ~CSettingDlg() override;

  // A control by its id; null for an unknown id or another kind.
  template <typename Widget>
  Widget* Control(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : qobject_cast<Widget*>(found->second);
  }

  // The recorder's settings as the controls show them.
  device::DeviceSettings Settings() const;
  device::ClockSelection Clock() const;
  int Model() const;
  // The card chosen in the card list; none when no card is.
  std::optional<device::CardDriveEntry> ChosenCard() const;

  // OK: writes the chosen card's files, stores the viewer options and closes; stays open, writing
  // nothing, when the card may not be written to or a card file cannot be written.
  void accept() override;

 private:
  void CreateControls();
  void FillLists();
  void ConnectControls();
  void ShowViewerOptions();

  std::string Text(uint32_t id) const;
  std::vector<std::string> ListTexts(device::SettingsList list) const;
  void FillList(int id, const std::vector<std::string>& texts);

  // Operations of the dialog's commands.
  void ModelChosen();
  void CardChosen();
  void BatteryChosen(device::BatterySystem battery);
  void ClockToggled(bool checked);
  void Browse();
  void FormatCard();
  void VolumeChanged(bool arrived, const std::string& root);

  void ApplyModelRules(int model);
  // ApplyModelDefaults for the chosen model, the clock lists at the current time; `reset` also
  // resets the viewer options shown.
  void ApplyDefaults(bool reset);
  void ShowSettings(const device::DeviceSettings& settings);
  void ShowClock(const device::ClockSelection& clock);
  void ShowCutOffList(device::BatterySystem battery, int selection);
  void ClearControls();
  void RefreshCards();
  bool CardStillThere(const device::CardDriveEntry& card);
  // Whether the card chosen in the list passed the write check when it was listed.
  bool ChosenCardWritable() const;
  // Text 5061 for a card this user may not write to.
  void TellCardNotWritable(const device::CardDriveEntry& card);
  void StoreViewerOptions();

  ViewerOptions& options_;
  SettingDialogServices services_;
  int language_;
  std::map<int, QWidget*> controls_;
  std::vector<device::CardDriveEntry> cards_;
  // Per entry of cards_: whether the card's disk passed services_.can_write.
  std::vector<bool> writable_;
  // What the dialog carries that no visible control shows: the software version, the SD
  // allocation last read and the speaker mute.
  device::DeviceSettings carried_;
  device::BatterySystem cut_off_system_ = device::BatterySystem::k12Volt;
  std::string settings_path_;
  std::string clock_path_;
  std::string card_root_;
  int volume_listener_ = 0;
};

}  // namespace vantrel::ui
