#include "ui/skin/dialog_placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace vantrel::ui {

void CentreOverOwner(QWidget& dialog, QSize size) {
  QRect area;
  if (const QWidget* owner = dialog.parentWidget()) {
    const QWidget* window = owner->window();
    area = QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
  } else if (const QScreen* screen = dialog.screen()) {
    area = screen->availableGeometry();
  }
  if (!area.isValid()) {
    dialog.resize(size);
    return;
  }
  // The window's own area is what is centred; the frame the desktop adds lies around it.
  dialog.setGeometry(area.x() + (area.width() - size.width()) / 2,
                     area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
}

}  // namespace vantrel::ui
