// A push button drawn from skin images: up to five images chosen by state (see button_images.h),
// a hover image while the pointer is over it, and in the main window's top bar a background that
// continues the bar. clicked() reaches the owner as with any button.
#pragma once

#include <QAbstractButton>
#include <optional>

#include "ui/skin/button_images.h"

namespace vantrel::ui {

class CRbButtonCtrl : public QAbstractButton {
  Q_OBJECT

 public:
  CRbButtonCtrl(int id, QWidget* parent);

  int id() const { return id_; }

  // Image ids per slot; 0 = none.
  void SetImages(int normal, int pressed, int hover, int disabled, int selected);
  void SetImages(const ButtonImages& images);
  const ButtonImages& images() const { return images_; }

  // Toggle and channel buttons show their selected image while selected.
  void SetSelected(bool selected);
  bool selected() const { return selected_; }

  // The skin's disabled look. A button with the disabled look ignores presses and hovering.
  void SetSkinEnabled(bool enabled);
  bool skin_enabled() const { return skin_enabled_; }

  // The button sits in the top bar: in layout 1 (the top-level window's "layoutMode" property)
  // its background continues the bar.
  void SetTopBar(bool top_bar);
  bool top_bar() const { return top_bar_; }

  // The image drawn now (0: only the background).
  int ShownImage() const;

  // Drops the hover look, as when the pointer leaves (the main window calls it for its top
  // buttons whenever the pointer moves over the window itself).
  void ClearHover();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  // Shows `image` until the state changes or another mouse action picks another image.
  void Show(int image);
  void ShowHover();
  bool InTopBarLayout() const;

  int id_;
  ButtonImages images_;
  bool selected_ = false;
  bool skin_enabled_ = true;
  bool top_bar_ = false;
  bool hover_tracking_ = false;
  // Set by the last mouse action; otherwise the button shows its current image.
  std::optional<int> shown_;
};

}  // namespace vantrel::ui
