#include "telemetry/map/widgets/rb_map_panel_ctrl.h"

#include <QPainter>
#include <QPixmap>

#include "ui/skin/skin_colours.h"

namespace vantrel::ui {

CRbMapPanelCtrl::CRbMapPanelCtrl(int id, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("RbMapPanelCtrl"));
  setProperty("controlId", id);
}

void CRbMapPanelCtrl::SetHostedChild(QWidget* child) {
  child_ = child;
  if (child_) child_->setGeometry(rect());
}

void CRbMapPanelCtrl::paintEvent(QPaintEvent*) {
  QPixmap buffer(size());
  buffer.fill(kMapBlockBackground);
  QPainter(this).drawPixmap(0, 0, buffer);
}

void CRbMapPanelCtrl::resizeEvent(QResizeEvent*) {
  if (child_) child_->setGeometry(rect());
}

void MoveMapViewTo(QWidget& view, CRbMapPanelCtrl& host) {
  if (auto* old_host = qobject_cast<CRbMapPanelCtrl*>(view.parentWidget())) {
    old_host->SetHostedChild(nullptr);
  }
  if (view.parentWidget() != &host) view.setParent(&host);
  host.SetHostedChild(&view);
  view.show();
}

}  // namespace vantrel::ui
