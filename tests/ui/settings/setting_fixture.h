// A settings dialog over simulated cards described in a cards file, with its option file, program
// folder, clock, folder browser, question and messages all inside one temporary folder.
#pragma once

#include <QComboBox>
#include <memory>
#include <string>
#include <vector>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"
#include "ui/settings/setting_dialog.h"

namespace vantrel::ui {

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { texts.push_back(text); }
  std::vector<std::string> texts;
};

struct SettingFixture {
  // Cards "a" (label KT520A) and "b" (no label), and a fixed disk "c" that is never offered.
  SettingFixture();

  // Opens the dialog over the option file as it is now.
  CSettingDlg& Open();
  // The card folder of a simulated card ("a", "b", ...), ending with "/".
  std::string CardRoot(const std::string& name) const;
  // Puts a further removable card in while the dialog is open.
  void InsertCard(const std::string& name);

  test::TempDir dir;
  platform::SimulatedVolumeProvider volumes;
  ViewerOptions options;
  RecordedMessages messages;
  std::vector<QString> questions;
  bool answer_ok = true;
  std::vector<CardFormatRequest> formats;
  // The write check the dialog is given; the disks of the simulated cards pass it unless a test
  // replaces it.
  DiskWriteCheck can_write = [](const std::string&) { return true; };
  std::unique_ptr<CSettingDlg> dialog;
};

// Chooses an entry of a list as a user does (the list reports the choice).
void Choose(QComboBox* list, int index);

// 2013-05-07 14:03:09: the time the fixture's clock always tells.
std::tm FixedTime();

}  // namespace vantrel::ui
