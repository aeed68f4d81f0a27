#include "device/widgets/about_dlg.h"

#include <QLabel>
#include <QPainter>

#include "app/user_messages.h"
#include "device/widgets/file_info_view.h"
#include "ui/skin/dialog_placement.h"
#include "ui/skin/panel_text.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

const QColor kBackground(13, 17, 21);

struct LanguagePictures {
  int ok_normal;
  int ok_pressed;
  int banner;
};

// By LanguageIndex: English, Korean, German, Japanese.
constexpr LanguagePictures kPictures[] = {
    {192, 193, 194}, {1094, 1095, 1092}, {1120, 1121, 1122}, {1143, 1144, 1145}};

CRbTextCtrl* MakePanel(int id, int type, int y, QWidget* parent) {
  auto* panel = new CRbTextCtrl(id, type, 0, parent);
  panel->setObjectName(QStringLiteral("RbTextWnd"));
  panel->SetBackground(kBackground);
  panel->setGeometry(30, y, 200, 20);
  return panel;
}

}  // namespace

CAboutDlg::CAboutDlg(int language_index, std::function<device::DeviceInfoResult()> device_info,
                     UserMessages& messages, std::string program_folder, QWidget* parent)
    : QDialog(parent),
      device_info_(std::move(device_info)),
      messages_(messages),
      program_folder_(std::move(program_folder)),
      ok_(new CRbButtonCtrl(1, this)),
      info_(new CRbButtonCtrl(kInfoButtonId, this)),
      banner_(new QLabel(this)),
      product_(MakePanel(1000, kProductPanel, 50, this)),
      version_(MakePanel(1001, kVersionPanel, 80, this)) {
  setModal(true);
  resize(kWidth, kHeight);
  banner_->setObjectName(QStringLiteral("banner%1").arg(kBannerId));
  if (language_index >= 0 && language_index < 4) {
    const LanguagePictures& pictures = kPictures[language_index];
    ok_->SetImages(pictures.ok_normal, pictures.ok_pressed, 0, 0, 0);
    const QImage banner = LoadSkinImage(pictures.banner);
    banner_->setPixmap(QPixmap::fromImage(banner));
    banner_->setGeometry(0, 0, banner.width(), banner.height());
  }
  info_->SetImages(1158, 1157, 0, 0, 0);
  ok_->setGeometry(kWidth - 101, kHeight - 45, 86, 30);
  info_->setGeometry(kWidth - 197, kHeight - 45, 86, 30);
  connect(ok_, &CRbButtonCtrl::clicked, this, &QDialog::accept);
  connect(info_, &CRbButtonCtrl::clicked, this, &CAboutDlg::OnDeviceInfo);
}

CRbTextCtrl* CAboutDlg::Panel(int id) const {
  if (id == product_->id()) return product_;
  return id == version_->id() ? version_ : nullptr;
}

void CAboutDlg::OnDeviceInfo() {
  const device::DeviceInfoResult result = device_info_();
  if (!result.summary) {
    messages_.Show(result.message);
    return;
  }
  CFileInfoView view(*result.summary, program_folder_, this);
  view.exec();
}

void CAboutDlg::setVisible(bool visible) {
  if (visible && !isVisible()) CentreOverOwner(*this, QSize(kWidth, kHeight));
  QDialog::setVisible(visible);
}

void CAboutDlg::paintEvent(QPaintEvent*) { QPainter(this).fillRect(rect(), kBackground); }

}  // namespace vantrel::ui
