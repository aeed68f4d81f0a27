// The about box (dialog 100): the product name and version over a banner in the user's language,
// OK, and the card information button (210), which checks the open card and shows its summary.
#pragma once

#include <QDialog>
#include <functional>

#include "device/device_info_command.h"

class QLabel;

namespace vantrel {
class UserMessages;
}

namespace vantrel::ui {

class CRbButtonCtrl;
class CRbTextCtrl;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kInfoButtonId = 210;
  static constexpr int kBannerId = 1098;
  static constexpr int kWidth = 291;
  static constexpr int kHeight = 160;

  // device_info runs the card information check on the main window's catalogue; messages shows
  // its refusals; program_folder is where the information view looks for its layout marker.
  CAboutDlg(int language_index, std::function<device::DeviceInfoResult()> device_info,
            UserMessages& messages, std::string program_folder, QWidget* parent);

  CRbButtonCtrl* ok_button() const { return ok_; }
  CRbButtonCtrl* info_button() const { return info_; }
  QLabel* banner() const { return banner_; }
  CRbTextCtrl* Panel(int id) const;

  // Command 210.
  void OnDeviceInfo();

  void setVisible(bool visible) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<device::DeviceInfoResult()> device_info_;
  UserMessages& messages_;
  std::string program_folder_;
  CRbButtonCtrl* ok_;
  CRbButtonCtrl* info_;
  QLabel* banner_;
  CRbTextCtrl* product_;
  CRbTextCtrl* version_;
};

}  // namespace vantrel::ui
