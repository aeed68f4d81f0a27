// CRbMapPanelCtrl: the panel that hosts the map view, in the main window's map block and in the
// map pop-up. The hosted window always fills the panel.
#pragma once

#include <QPointer>
#include <QWidget>

namespace vantrel::ui {

class CRbMapPanelCtrl : public QWidget {
  Q_OBJECT

 public:
  CRbMapPanelCtrl(int id, QWidget* parent);

  // The window the panel hosts; null for none. Does not re-parent it.
  void SetHostedChild(QWidget* child);
  QWidget* hosted_child() const { return child_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QPointer<QWidget> child_;
};

// Moves `view` into `host`: its old host forgets it, it becomes the host's child and fills it.
void MoveMapViewTo(QWidget& view, CRbMapPanelCtrl& host);

}  // namespace vantrel::ui
