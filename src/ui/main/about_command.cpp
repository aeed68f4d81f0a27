// The main window's About command.
#include "device/device_info_command.h"
#include "device/widgets/about_dlg.h"
#include "platform/program_folder.h"
#include "ui/main/main_window.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {

void CRecboxViewerDlg::ShowAboutBox() {
  const bool was_running = playback_->State() == PlaybackState::kRunning;
  if (was_running) playback_->PausePlayback();
  auto device_info = [this] {
    const SourceRecord* source = catalogue_.SourceAt(catalogue_.opened_source_index());
    return device::DeviceInfoCommand(catalogue_.entries(), catalogue_.open_source_kind(),
                                     source != nullptr ? source->root : std::string());
  };
  CAboutDlg about(options_.language, device_info, *messages_, platform::ProgramFolder(), this);
  if (about.exec() == QDialog::Accepted) controller_->RearMirrorChanged();
  if (was_running && list_->RowCount() > 0) playback_->ResumePlayback();
}

}  // namespace vantrel::ui
