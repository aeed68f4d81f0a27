#include "playback/widgets/full_dialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace vantrel::ui {
namespace {

const QSize kFullSize(1026, 770);
const QColor kBackground(34, 44, 54);

}  // namespace

CFullDlg::CFullDlg(QWidget* parent) : QDialog(parent) {
  setWindowFlag(Qt::Tool);
  setModal(false);
  QRect place(QPoint(0, 0), kFullSize);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    place.moveCenter(screen->geometry().center());
  }
  setGeometry(place);
  hide();
}

void CFullDlg::paintEvent(QPaintEvent*) {
  // Painted off-screen and put on the window in one go, so it never flickers.
  QPixmap buffer(size() * devicePixelRatio());
  buffer.setDevicePixelRatio(devicePixelRatio());
  buffer.fill(kBackground);
  QPainter(this).drawPixmap(QPoint(0, 0), buffer);
}

}  // namespace vantrel::ui
