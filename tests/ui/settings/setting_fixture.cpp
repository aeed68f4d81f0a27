#include "setting_fixture.h"

#include <QtGlobal>

namespace vantrel::ui {

std::tm FixedTime() {
  std::tm time{};
  time.tm_year = 2013 - 1900;
  time.tm_mon = 4;
  time.tm_mday = 7;
  time.tm_hour = 14;
  time.tm_min = 3;
  time.tm_sec = 9;
  return time;
}

void Choose(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

SettingFixture::SettingFixture() {
  // The default capture folder lies in this home's documents.
  qputenv("HOME", QByteArray::fromStdString(dir.File("home")));
  qunsetenv("XDG_DOCUMENTS_DIR");
  qunsetenv("XDG_CONFIG_HOME");
  test::WriteFile(dir.File("cards.txt"),
                  "[volume]\nroot = a\nlabel = KT520A\ndevice = a.img\n"
                  "[volume]\nroot = b\ndevice = b.img\n"
                  "[volume]\nroot = c\nremovable = 0\ndevice = c.img\n");
  for (const char* name : {"a", "b", "c", "d"}) {
    test::WriteFile(dir.File(std::string(name) + ".img"), std::string(4096, '\0'));
    std::filesystem::create_directories(dir.File(name));
  }
  std::filesystem::create_directories(dir.File("program/config"));
  std::filesystem::create_directories(dir.File("home/Documents"));
  volumes.Load(dir.File("cards.txt"));
}

CSettingDlg& SettingFixture::Open() {
  SettingDialogServices services;
  services.volumes = &volumes;
  services.can_write = can_write;
  services.option_file = dir.File("program/config/option.ini");
  services.program_folder = dir.File("program");
  services.local_time = FixedTime;
  services.browse_folder = [](QWidget*, int) { return std::optional<QString>("/picked/folder"); };
  services.confirm = [this](QWidget*, const QString& question) {
    questions.push_back(question);
    return answer_ok;
  };
  services.messages = &messages;
  services.format_card = [this](const CardFormatRequest& request) { formats.push_back(request); };
  dialog = std::make_unique<CSettingDlg>(options, std::move(services));
  return *dialog;
}

std::string SettingFixture::CardRoot(const std::string& name) const { return dir.File(name) + "/"; }

void SettingFixture::InsertCard(const std::string& name) {
  platform::Volume volume;
  volume.root = dir.File(name);
  volume.removable = true;
  volume.bytes_per_sector = 512;
  volume.device_path = dir.File(name + ".img");
  volumes.Insert(volume);
}

}  // namespace vantrel::ui
