// The card format the settings dialog asks the main window for.
#include <string>

#include "device/device_model.h"
#include "device/format_card.h"
#include "device/widgets/format_card_runner.h"
#include "platform/executable_folder.h"
#include "platform/program_folder.h"
#include "ui/main/main_window.h"

namespace vantrel::ui {

void CRecboxViewerDlg::FormatChosenCard(const CardFormatRequest& chosen) {
  device::FormatCardRequest request;
  // The volume as it is now: the dialog's list may be older than the card in the reader.
  request.card = platform::VolumeAtRoot(volumes_, chosen.card.root);
  if (const device::DeviceModel* model = device::FindDeviceModel(chosen.model)) {
    request.model = std::string(model->model_text);
  }
  request.sd_allocation = chosen.sd_allocation_last_read;
  request.language_index = chosen.language;
  // The installer lies beside the program, as the settings dialog copies it; the parked files go
  // where this user may write.
  request.program_folder = setting_services_.program_folder.empty()
                               ? platform::ExecutableFolder()
                               : setting_services_.program_folder;
  request.parking_parent = device::ParkingParent(platform::ProgramFolder());
  QWidget* owner = chosen.dialog != nullptr ? static_cast<QWidget*>(chosen.dialog) : this;
  const device::FormatCardResult result = RunFormatCard(owner, *messages_, request);
  if (result.succeeded && !chosen.card.root.empty() &&
      chosen.card.root == loading_->source_root()) {
    loading_->ResetSource();
  }
}

}  // namespace vantrel::ui
