#include "playback/widgets/zoom_dialog.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimerEvent>

#include "app/language.h"
#include "playback/widgets/zoom_geometry.h"

namespace vantrel::ui {
namespace {

const QRect kStartingRect(850, 465, 425, 330);
const QColor kOwnAreaGrey(150, 150, 150);

QRect ToQRect(const ZoomRect& rect) { return QRect(rect.x, rect.y, rect.width, rect.height); }

VirtualScreen VirtualScreenOf(const QScreen& screen) {
  const QRect box = screen.virtualGeometry();
  return VirtualScreen{box.x(), box.y(), box.width(), box.height()};
}

// Copies into `copy` (sized as the virtual screen) every monitor that shows part of `needed`
// (screen co-ordinates); the others are left as they are, since nothing of them is used.
void CopyScreens(const VirtualScreen& virtual_screen, const QRect& needed, QImage& copy) {
  QPainter painter(&copy);
  for (QScreen* screen : QGuiApplication::screens()) {
    const QRect box = screen->geometry();
    if (!box.intersects(needed)) continue;
    const QPixmap pixels = screen->grabWindow(0);
    if (pixels.isNull()) continue;
    const ZoomRect target =
        InScreenCopy(virtual_screen, ZoomRect{box.x(), box.y(), box.width(), box.height()});
    painter.drawPixmap(ToQRect(target), pixels);  // device pixels back to screen co-ordinates
  }
}

}  // namespace

CZoomDlg::CZoomDlg(QWidget* parent, int tick_ms) : QDialog(parent) {
  setModal(false);
  setGeometry(kStartingRect);
  hide();
  timer_.start(tick_ms, this);
}

CZoomDlg::~CZoomDlg() { timer_.stop(); }

void CZoomDlg::Toggle() {
  if (shown_) {
    HideZoom();
  } else {
    ShowZoom();
  }
  update();
}

void CZoomDlg::ShowZoom() {
  if (const auto title = LoadLanguageString(language_index_, kZoomTitleTextId)) {
    setWindowTitle(QString::fromStdString(*title));
  }
  show();
  shown_ = true;
}

void CZoomDlg::HideZoom() {
  hide();
  shown_ = false;
  magnified_ = QImage();
}

void CZoomDlg::reject() {
  // Escape hides the window like its close box does, so the Zoom command stays in step.
  HideZoom();
}

void CZoomDlg::closeEvent(QCloseEvent* event) {
  HideZoom();
  event->accept();
}

void CZoomDlg::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timer_.timerId()) {
    QDialog::timerEvent(event);
    return;
  }
  Magnify();
}

void CZoomDlg::Magnify() {
  if (!shown_) return;
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const VirtualScreen virtual_screen = VirtualScreenOf(*screen);
  const QPoint pointer = QCursor::pos();
  const ZoomRect source = ZoomSource(virtual_screen, width(), height(), pointer.x(), pointer.y());
  if (source.empty()) {
    magnified_ = QImage();
    update();
    return;
  }
  const QSize copy_size(virtual_screen.width, virtual_screen.height);
  if (screen_copy_.size() != copy_size) screen_copy_ = QImage(copy_size, QImage::Format_RGB32);
  if (screen_copy_.isNull()) return;
  screen_copy_.fill(Qt::black);
  CopyScreens(virtual_screen, ToQRect(source), screen_copy_);

  // The window's own area is greyed out so it never magnifies its own picture.
  const QRect own_area(mapToGlobal(QPoint(0, 0)), size());
  QPainter(&screen_copy_)
      .fillRect(
          ToQRect(InScreenCopy(virtual_screen, ZoomRect{own_area.x(), own_area.y(),
                                                        own_area.width(), own_area.height()})),
          kOwnAreaGrey);

  magnified_ = screen_copy_.copy(ToQRect(InScreenCopy(virtual_screen, source)))
                   .scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  update();
}

void CZoomDlg::paintEvent(QPaintEvent*) {
  if (magnified_.isNull()) return;
  QPainter(this).drawImage(QPoint(0, 0), magnified_);
}

}  // namespace vantrel::ui
