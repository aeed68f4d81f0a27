// The speed gauge of the main window: the speed in km/h to a tenth, as seven-segment digit images
// over the gauge's background image.
#pragma once

#include <QImage>
#include <QWidget>

namespace vantrel::ui {

inline constexpr int kSpeedGaugeId = 1003;
inline constexpr int kSpeedGaugeWidth = 131;
inline constexpr int kSpeedGaugeHeight = 43;

// The gauge for a client of `size` showing the speed, exactly as the control paints it.
QImage PaintSpeedGauge(QSize size, double km_per_hour);

class CRbSpeedCtrl : public QWidget {
  Q_OBJECT

 public:
  explicit CRbSpeedCtrl(QWidget* parent);

  int id() const { return kSpeedGaugeId; }
  void SetSpeed(double km_per_hour) { speed_ = km_per_hour; }
  double speed() const { return speed_; }
  // Paints the speed now rather than at the next paint event, so a step shows at once.
  void Refresh() { repaint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double speed_ = 0.0;
};

}  // namespace vantrel::ui
