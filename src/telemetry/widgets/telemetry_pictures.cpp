#include "telemetry/widgets/telemetry_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <functional>
#include <memory>

#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"

namespace vantrel {
namespace {

// Writes the picture that paint() makes. Text and images need a Qt application; a tool that has
// none gets one for the time of the drawing, on the platform that needs no screen.
bool WritePicture(const std::function<QImage()>& paint, const std::string& path) {
  std::unique_ptr<QGuiApplication> application;
  if (!QGuiApplication::instance()) {
    // The tool's standard error carries its own one-line messages only, not Qt's notes about
    // the desktop session it runs without.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vantrel";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QGuiApplication>(argc, argv);
  }
  return paint().save(QString::fromStdString(path), "PNG");
}

}  // namespace

bool WriteSpeedGaugePng(double km_per_hour, const std::string& path) {
  return WritePicture(
      [&] {
        return ui::PaintSpeedGauge({ui::kSpeedGaugeWidth, ui::kSpeedGaugeHeight}, km_per_hour);
      },
      path);
}

bool WriteGsensorGraphPng(const TelemetryStore& store, int width, int height,
                          const std::string& path) {
  return WritePicture(
      [&] {
        return ui::PaintGsensorGraph({width, height}, store.gsensor_records());
      },
      path);
}

}  // namespace vantrel
