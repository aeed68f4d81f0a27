#include "telemetry/map/widgets/map_picture_wnd.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include "telemetry/map/map_pictures.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

const QColor kPictureGround(51, 51, 51);
constexpr QSize kInitialSize(100, 100);

}  // namespace

CMapPictureWnd::CMapPictureWnd(int id, const char* name, int (*picture_of)(int), int language_index,
                               QWidget* parent)
    : QWidget(parent), picture_of_(picture_of), language_index_(language_index) {
  setObjectName(QString::fromLatin1(name));
  setProperty("controlId", id);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(kInitialSize);
  hide();
}

void CMapPictureWnd::SetLanguageIndex(int language_index) {
  language_index_ = language_index;
  update();
}

void CMapPictureWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kPictureGround);
  const int id = PictureId();
  if (id == 0) return;
  const QImage picture = LoadSkinImage(id);
  if (picture.isNull()) return;
  painter.drawImage((width() - picture.width()) / 2, (height() - picture.height()) / 2, picture);
}

CMapNoDataWnd::CMapNoDataWnd(int language_index, QWidget* parent)
    : CMapPictureWnd(kMapNoDataId, "RbMapNoDataWnd", NoDataPictureId, language_index, parent) {}

CMapNoConnectedWnd::CMapNoConnectedWnd(int language_index, QWidget* parent)
    : CMapPictureWnd(kMapNotConnectedId, "RbNotConnectedWnd", NotConnectedPictureId, language_index,
                     parent) {}

}  // namespace vantrel::ui
