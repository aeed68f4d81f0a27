// The Setting command of the main window.
#include "ui/main/main_window.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {

void CRecboxViewerDlg::RunSettings() {
  const bool was_running = playback_->State() == PlaybackState::kRunning;
  if (was_running) playback_->PausePlayback();
  SettingDialogServices services = setting_services_;
  services.volumes = &volumes_;
  CSettingDlg dialog(options_, std::move(services), this);
  if (dialog.exec() == QDialog::Accepted) {
    // The dialog has stored the options in memory; the controller reads the mirror from them.
    controller_->RearMirrorChanged();
    ApplyLanguage(options_.language);
  }
  if (was_running && list_->RowCount() > 0) playback_->ResumePlayback();
}

}  // namespace vantrel::ui
