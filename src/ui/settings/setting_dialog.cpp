#include "ui/settings/setting_dialog.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <array>
#include <chrono>
#include <cstdlib>

#include "app/language.h"
#include "app/program_paths.h"
#include "device/card_files.h"
#include "device/device_model.h"
#include "device/settings_file.h"
#include "platform/executable_folder.h"
#include "platform/volume_provider.h"
#include "ui/picker/folder_dialog.h"
#include "ui/settings/setting_ids.h"
#include "ui/settings/setting_layout.h"
#include "ui/skin/message_box_messages.h"

namespace vantrel::ui {

namespace {

namespace id = setting_id;
using device::SettingsList;

constexpr int kMinimumSkipStep = 1;
constexpr int kMaximumSkipStep = 10;
constexpr int kDefaultSkipStep = 5;
constexpr int kDialogFontPixels = 11;
constexpr int kCardListPopupMargin = 24;
constexpr uint32_t kNoCardQuestion = 213;
constexpr uint32_t kCardWriteFailedText = 5020;
constexpr uint32_t kCardNotWritableText = 5061;

// The languages in their own words, in LanguageIndex order.
constexpr std::array<const char*, 4> kLanguageNames = {"English", "한국어", "Deutsch", "日本語"};

std::tm LocalTimeNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::optional<QString> BrowseWithPicker(QWidget* parent, int language) {
  CXFolderDialog dialog(language, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.path();
}

bool AskOkCancel(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QString(), question,
                               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

QWidget* MakeControl(SettingControlKind kind, QWidget* parent) {
  switch (kind) {
    case SettingControlKind::kGroup:
      return new QGroupBox(parent);
    case SettingControlKind::kLabel: {
      auto* label = new QLabel(parent);
      label->setWordWrap(true);
      return label;
    }
    case SettingControlKind::kList:
      return new QComboBox(parent);
    case SettingControlKind::kCheck:
      return new QCheckBox(parent);
    case SettingControlKind::kRadio:
      return new QRadioButton(parent);
    case SettingControlKind::kButton:
      return new QPushButton(parent);
    case SettingControlKind::kEdit:
      return new QLineEdit(parent);
    case SettingControlKind::kSlider:
      break;
  }
  return new QSlider(Qt::Horizontal, parent);
}

void SetControlText(QWidget* widget, const QString& text) {
  if (auto* group = qobject_cast<QGroupBox*>(widget)) group->setTitle(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
}

}  // namespace

CSettingDlg::CSettingDlg(ViewerOptions& options, SettingDialogServices services, QWidget* parent)
    : QDialog(parent), options_(options), services_(std::move(services)) {
  if (services_.option_file.empty()) services_.option_file = OptionFilePath();
  if (services_.program_folder.empty()) services_.program_folder = platform::ExecutableFolder();
  if (!services_.local_time) services_.local_time = LocalTimeNow;
  if (!services_.browse_folder) services_.browse_folder = BrowseWithPicker;
  if (!services_.confirm) services_.confirm = AskOkCancel;

  // Opening, in order: the option file, texts and places, lists, cards, the model's rules, the
  // viewer options, and the model's defaults.
  ReadOptions(services_.option_file, options_);
  language_ = options_.language;
  CreateControls();
  FillLists();
  RefreshCards();
  ApplyModelRules(Model());
  ShowViewerOptions();
  for (int list : id::kClockLists) controls_[list]->setEnabled(false);
  ApplyDefaults(false);
  ConnectControls();
  volume_listener_ = services_.volumes->AddListener([this](const platform::VolumeChange& change) {
    VolumeChanged(change.event == platform::VolumeEvent::kArrived, change.root);
  });
}

CSettingDlg::~CSettingDlg() { services_.volumes->RemoveListener(volume_listener_); }

std::string CSettingDlg::Text(uint32_t text_id) const {
  return LoadLanguageString(language_, text_id).value_or(std::string());
}

std::vector<std::string> CSettingDlg::ListTexts(SettingsList list) const {
  return device::ListEntryTexts(
      list, [this](uint32_t text_id) { return LoadLanguageString(language_, text_id); });
}

void CSettingDlg::FillList(int list_id, const std::vector<std::string>& texts) {
  auto* list = Control<QComboBox>(list_id);
  list->clear();
  for (const std::string& text : texts) list->addItem(QString::fromStdString(text));
  list->setCurrentIndex(-1);
}

void CSettingDlg::CreateControls() {
  // The places are those of the recorder maker's dialog, made for its small dialog font; texts
  // of a larger font would overrun them.
  QFont small_font = font();
  small_font.setPixelSize(kDialogFontPixels);
  setFont(small_font);
  setWindowTitle(QString::fromStdString(Text(kSettingTitleText)));
  setFixedSize(kSettingDialogWidth, kSettingDialogHeight);
  if (parentWidget() != nullptr) {
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(parentWidget()->geometry().center());
    move(frame.topLeft());
  }
  for (const SettingControl& control : SettingControls()) {
    QWidget* const widget = MakeControl(control.kind, this);
    widget->setObjectName(QString::number(control.id));
    widget->setGeometry(SettingControlPlace(control, language_));
    if (control.text_id != 0) {
      SetControlText(widget, QString::fromStdString(Text(control.text_id)));
    } else if (control.literal != nullptr) {
      SetControlText(widget, QString::fromUtf8(control.literal));
    }
    controls_[control.id] = widget;
  }
  Control<QPushButton>(id::kOk)->setDefault(true);
}

void CSettingDlg::FillLists() {
  std::vector<std::string> models;
  for (int model = 0; model < device::kDeviceModelCount; ++model) {
    models.emplace_back(device::FindDeviceModel(model)->model_text);
  }
  FillList(id::kModelList, models);
  Control<QComboBox>(id::kModelList)
      ->setCurrentIndex(device::FindDeviceModel(options_.model) != nullptr ? options_.model : -1);
  FillList(id::kAccTriggerLevel, ListTexts(SettingsList::kAccTriggerLevel));
  FillList(id::kVideoQuality, ListTexts(SettingsList::kVideoQuality));
  FillList(id::kVideoChannels, ListTexts(SettingsList::kVideoChannels));
  FillList(id::kSpeakerVolume, ListTexts(SettingsList::kSpeakerVolume));
  FillList(id::kPowerOffTimer, ListTexts(SettingsList::kPowerOffTimer));
  FillList(id::kParkingMode, ListTexts(SettingsList::kParkingMode));
  FillList(id::kSdAllocation, ListTexts(SettingsList::kSdAllocation));
  ShowCutOffList(device::BatterySystem::k12Volt, device::kNoSelection);
  for (int list = 0; list < device::kClockListCount; ++list) {
    const auto which = static_cast<device::ClockList>(list);
    std::vector<std::string> entries;
    for (int entry = 0; entry < device::ClockEntryCount(which); ++entry) {
      entries.push_back(device::ClockEntryText(which, entry));
    }
    FillList(id::kClockLists[list], entries);
  }
  FillList(id::kLanguage, std::vector<std::string>(kLanguageNames.begin(), kLanguageNames.end()));
}

void CSettingDlg::ConnectControls() {
  connect(Control<QComboBox>(id::kModelList), &QComboBox::activated, this,
          &CSettingDlg::ModelChosen);
  connect(Control<QComboBox>(id::kCardList), &QComboBox::activated, this, &CSettingDlg::CardChosen);
  connect(Control<QPushButton>(id::kFormat), &QPushButton::clicked, this, &CSettingDlg::FormatCard);
  connect(Control<QPushButton>(id::kBrowse), &QPushButton::clicked, this, &CSettingDlg::Browse);
  connect(Control<QPushButton>(id::kDefault), &QPushButton::clicked, this,
          [this] { ApplyDefaults(true); });
  connect(Control<QPushButton>(id::kOk), &QPushButton::clicked, this, &CSettingDlg::accept);
  connect(Control<QPushButton>(id::kCancel), &QPushButton::clicked, this, &CSettingDlg::reject);
  connect(Control<QRadioButton>(id::kBattery12Volt), &QRadioButton::clicked, this,
          [this] { BatteryChosen(device::BatterySystem::k12Volt); });
  connect(Control<QRadioButton>(id::kBattery24Volt), &QRadioButton::clicked, this,
          [this] { BatteryChosen(device::BatterySystem::k24Volt); });
  connect(Control<QCheckBox>(id::kSetClock), &QCheckBox::clicked, this, &CSettingDlg::ClockToggled);
  connect(Control<QSlider>(id::kSkipStep), &QSlider::valueChanged, this, [this](int value) {
    Control<QLabel>(id::kSkipStepValue)->setText(QString::number(value));
  });
}

void CSettingDlg::ShowViewerOptions() {
  // The options in memory are shown even when the file could not be read: they are what the
  // viewer runs with, and an empty skip step would be stored as 0.
  auto* slider = Control<QSlider>(id::kSkipStep);
  slider->setRange(kMinimumSkipStep, kMaximumSkipStep);
  Control<QLineEdit>(id::kSaveFolder)->setText(QString::fromStdString(options_.save_folder));
  slider->setValue(options_.skip_step);
  Control<QLabel>(id::kSkipStepValue)->setText(QString::number(options_.skip_step));
  Control<QCheckBox>(id::kRearMirror)->setChecked(options_.rear_mirror);
  const bool known_language = !LanguageLibraryName(options_.language).empty();
  Control<QComboBox>(id::kLanguage)->setCurrentIndex(known_language ? options_.language : -1);
}

int CSettingDlg::Model() const { return Control<QComboBox>(id::kModelList)->currentIndex(); }

std::optional<device::CardDriveEntry> CSettingDlg::ChosenCard() const {
  const int index = Control<QComboBox>(id::kCardList)->currentIndex();
  if (index < 0 || index >= static_cast<int>(cards_.size())) return std::nullopt;
  return cards_[static_cast<size_t>(index)];
}

device::DeviceSettings CSettingDlg::Settings() const {
  device::DeviceSettings settings = carried_;
  const auto index = [this](int list_id) { return Control<QComboBox>(list_id)->currentIndex(); };
  settings.acc_trigger_level = index(id::kAccTriggerLevel);
  settings.video_quality = index(id::kVideoQuality);
  settings.audio_enabled = Control<QCheckBox>(id::kAudioEnable)->isChecked();
  settings.speaker_volume = index(id::kSpeakerVolume);
  settings.video_channels = index(id::kVideoChannels);
  settings.parking_mode = index(id::kParkingMode);
  settings.battery = Control<QRadioButton>(id::kBattery24Volt)->isChecked()
                         ? device::BatterySystem::k24Volt
                         : device::BatterySystem::k12Volt;
  settings.battery_cutoff = index(id::kBatteryCutOff);
  settings.power_off_timer = index(id::kPowerOffTimer);
  settings.sd_allocation = index(id::kSdAllocation);
  settings.lcd_off_time = index(id::kLcdOffTime);
  return settings;
}

device::ClockSelection CSettingDlg::Clock() const {
  device::ClockSelection clock;
  for (int list = 0; list < device::kClockListCount; ++list) {
    clock.index[static_cast<size_t>(list)] =
        Control<QComboBox>(id::kClockLists[list])->currentIndex();
  }
  return clock;
}

void CSettingDlg::ShowSettings(const device::DeviceSettings& settings) {
  carried_ = settings;
  const auto select = [this](int list_id, int index) {
    Control<QComboBox>(list_id)->setCurrentIndex(index);
  };
  select(id::kAccTriggerLevel, settings.acc_trigger_level);
  select(id::kVideoQuality, settings.video_quality);
  Control<QCheckBox>(id::kAudioEnable)->setChecked(settings.audio_enabled);
  select(id::kSpeakerVolume, settings.speaker_volume);
  select(id::kVideoChannels, settings.video_channels);
  select(id::kParkingMode, settings.parking_mode);
  const bool volt24 = settings.battery == device::BatterySystem::k24Volt;
  Control<QRadioButton>(id::kBattery12Volt)->setChecked(!volt24);
  Control<QRadioButton>(id::kBattery24Volt)->setChecked(volt24);
  ShowCutOffList(settings.battery, settings.battery_cutoff);
  select(id::kPowerOffTimer, settings.power_off_timer);
  select(id::kSdAllocation, settings.sd_allocation);
  select(id::kLcdOffTime, settings.lcd_off_time);
}

void CSettingDlg::ShowClock(const device::ClockSelection& clock) {
  for (int list = 0; list < device::kClockListCount; ++list) {
    Control<QComboBox>(id::kClockLists[list])
        ->setCurrentIndex(clock.index[static_cast<size_t>(list)]);
  }
}

void CSettingDlg::ShowCutOffList(device::BatterySystem battery, int selection) {
  if (battery != cut_off_system_ || Control<QComboBox>(id::kBatteryCutOff)->count() == 0) {
    FillList(id::kBatteryCutOff, ListTexts(device::BatteryCutOffList(battery)));
    cut_off_system_ = battery;
  }
  Control<QComboBox>(id::kBatteryCutOff)->setCurrentIndex(selection);
}

void CSettingDlg::ApplyModelRules(int model) {
  FillList(id::kLcdOffTime, {});
  const device::DeviceModel* const row = device::FindDeviceModel(model);
  if (row == nullptr) return;
  for (int control : id::kSdAllocationGroup)
    controls_[control]->setEnabled(row->sd_allocation_enabled);
  for (int control : id::kParkingGroup) controls_[control]->setEnabled(row->parking_mode_editable);
  FillList(id::kLcdOffTime, ListTexts(device::LcdOffListOf(model)));
}

void CSettingDlg::ApplyDefaults(bool reset) {
  device::DeviceSettings settings = Settings();
  if (!device::ApplyModelDefaults(Model(), settings)) return;
  ShowSettings(settings);
  device::ClockSelection clock = Clock();
  device::SelectClockTime(services_.local_time(), clock);
  ShowClock(clock);
  if (!reset) return;
  Control<QLineEdit>(id::kSaveFolder)->setText(QString::fromStdString(DefaultCaptureFolder()));
  Control<QSlider>(id::kSkipStep)->setValue(kDefaultSkipStep);
  Control<QLabel>(id::kSkipStepValue)->setText(QString::number(kDefaultSkipStep));
  Control<QCheckBox>(id::kRearMirror)->setChecked(false);
}

void CSettingDlg::ClearControls() {
  device::DeviceSettings cleared = Settings();
  device::ClearSettingsControls(cleared);
  ShowSettings(cleared);
  // The clock lists keep whether they can be used.
  Control<QCheckBox>(id::kSetClock)->setChecked(false);
  ShowClock(device::ClockSelection());
}

void CSettingDlg::ModelChosen() {
  ApplyModelRules(Model());
  CardChosen();
}

void CSettingDlg::CardChosen() {
  const std::optional<device::CardDriveEntry> card = ChosenCard();
  if (!card) {
    ApplyDefaults(true);
    return;
  }
  card_root_ = card->root;
  settings_path_ = device::CardFilePath(card_root_, device::kSettingsFileName);
  clock_path_ = device::CardFilePath(card_root_, device::kClockFileName);
  device::DeviceSettings settings = Settings();
  if (device::FindDeviceModel(Model()) == nullptr) {
    ApplyDefaults(true);
  } else if (device::ReadDeviceSettings(settings_path_, Model(), settings)) {
    ShowSettings(settings);
  } else {
    // A card without a settings file starts from the model's defaults, viewer options included.
    ClearControls();
    ApplyDefaults(false);
    ApplyDefaults(true);
  }
  device::ClockSelection clock = Clock();
  if (device::ReadClockFile(clock_path_, clock)) ShowClock(clock);
}

void CSettingDlg::BatteryChosen(device::BatterySystem battery) {
  const int selection = Control<QComboBox>(id::kBatteryCutOff)->currentIndex();
  FillList(id::kBatteryCutOff, ListTexts(device::BatteryCutOffList(battery)));
  cut_off_system_ = battery;
  Control<QComboBox>(id::kBatteryCutOff)->setCurrentIndex(selection < 0 ? 0 : selection);
}

void CSettingDlg::ClockToggled(bool checked) {
  if (checked) {
    device::ClockSelection clock = Clock();
    device::SelectClockTime(services_.local_time(), clock);
    ShowClock(clock);
  }
  for (int list : id::kClockLists) controls_[list]->setEnabled(checked);
}

void CSettingDlg::Browse() {
  if (const std::optional<QString> folder = services_.browse_folder(this, language_)) {
    Control<QLineEdit>(id::kSaveFolder)->setText(*folder);
  }
}

void CSettingDlg::FormatCard() {
  const std::optional<device::CardDriveEntry> card = ChosenCard();
  if (!card) return;
  if (!ChosenCardWritable()) {
    TellCardNotWritable(*card);
    return;
  }
  if (!services_.format_card) return;
  services_.format_card({this, *card, Model(), carried_.sd_allocation_last_read, language_});
}

void CSettingDlg::VolumeChanged(bool arrived, const std::string& root) {
  if (arrived) {
    bool removable = false;
    for (const platform::Volume& volume : services_.volumes->Volumes()) {
      if (volume.root == root) removable = volume.removable;
    }
    if (!removable) return;
  }
  RefreshCards();
}

void CSettingDlg::RefreshCards() {
  // Every card is listed, as in the Open list; one this user may not write to is refused only when
  // OK or Format would write to it.
  cards_ = device::ListCardDrives(*services_.volumes, nullptr);
  writable_.clear();
  std::vector<std::string> texts;
  for (const device::CardDriveEntry& card : cards_) {
    writable_.push_back(!services_.can_write || services_.can_write(card.device_path));
    texts.push_back(device::CardDriveText(card));
  }
  FillList(id::kCardList, texts);
  // The list is narrow; its drop-down shows the whole "label(root)" of each card.
  QAbstractItemView* const view = Control<QComboBox>(id::kCardList)->view();
  view->setMinimumWidth(view->sizeHintForColumn(0) + kCardListPopupMargin);
}

bool CSettingDlg::CardStillThere(const device::CardDriveEntry& card) {
  for (const device::CardDriveEntry& present :
       device::ListCardDrives(*services_.volumes, nullptr)) {
    if (present.root == card.root && present.device_path == card.device_path) return true;
  }
  return false;
}

bool CSettingDlg::ChosenCardWritable() const {
  const int index = Control<QComboBox>(id::kCardList)->currentIndex();
  return index >= 0 && index < static_cast<int>(writable_.size()) &&
         writable_[static_cast<size_t>(index)];
}

void CSettingDlg::TellCardNotWritable(const device::CardDriveEntry& card) {
  MessageBoxMessages box(this);
  UserMessages& messages = services_.messages != nullptr ? *services_.messages : box;
  const std::string name = device::CardDriveText(card);
  std::string text = Text(kCardNotWritableText);
  const size_t at = text.find("%s");
  messages.Show(at == std::string::npos ? name : text.replace(at, 2, name));
}

void CSettingDlg::StoreViewerOptions() {
  options_.save_folder = Control<QLineEdit>(id::kSaveFolder)->text().toStdString();
  options_.skip_step = std::atoi(Control<QLabel>(id::kSkipStepValue)->text().toStdString().c_str());
  options_.rear_mirror = Control<QCheckBox>(id::kRearMirror)->isChecked();
  const int language = Control<QComboBox>(id::kLanguage)->currentIndex();
  if (language >= 0) options_.language = language;
  options_.model = Model();
  MessageBoxMessages box(this);
  WriteOptions(services_.option_file, options_,
               services_.messages != nullptr ? *services_.messages : box);
}

void CSettingDlg::accept() {
  std::optional<device::CardDriveEntry> card = ChosenCard();
  // A card taken out without the news having arrived yet is never written to.
  if (card && !CardStillThere(*card)) {
    RefreshCards();
    card.reset();
  }
  if (!card) {
    const std::string question = Text(kNoCardQuestion);
    if (!question.empty() && !services_.confirm(this, QString::fromStdString(question))) return;
    StoreViewerOptions();
    QDialog::accept();
    return;
  }
  // A card this user may not write to is left as it is, and so are the viewer options.
  if (!ChosenCardWritable()) {
    TellCardNotWritable(*card);
    return;
  }
  MessageBoxMessages box(this);
  UserMessages& messages = services_.messages != nullptr ? *services_.messages : box;
  const auto failed = [this, &messages](const std::string& file_name) {
    std::string text = Text(kCardWriteFailedText);
    const size_t at = text.find("%s");
    messages.Show(at == std::string::npos ? file_name : text.replace(at, 2, file_name));
  };
  if (device::FindDeviceModel(Model()) != nullptr &&
      !device::WriteDeviceSettings(settings_path_, Model(), Settings())) {
    failed(device::kSettingsFileName);
    return;
  }
  if (Control<QCheckBox>(id::kSetClock)->isChecked() &&
      !device::WriteClockFile(clock_path_, Clock())) {
    failed(device::kClockFileName);
    return;
  }
  StoreViewerOptions();
  if (!device::CardFileExists(card_root_, device::kInstallerFileName)) {
    device::CopyInstallerToCard(services_.program_folder, card_root_);
  }
  QDialog::accept();
}

}  // namespace vantrel::ui
