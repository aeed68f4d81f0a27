#include "telemetry/map/widgets/map_probe.h"

#include <QApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <memory>

#include "telemetry/map/widgets/map_view_wnd.h"
#include "telemetry/map/widgets/web_engine_check.h"

namespace vantrel::ui {
namespace {

// Generous: a slow machine starting the web engine for the first time. Nothing is timed.
constexpr int kPageWaitMs = 120000;

// Runs events until `signal` of `sender` fires or the wait ends; true when it fired.
template <typename Sender, typename Signal>
bool WaitFor(Sender* sender, Signal signal) {
  QEventLoop loop;
  bool fired = false;
  QObject::connect(sender, signal, &loop, [&] {
    fired = true;
    loop.quit();
  });
  QTimer::singleShot(kPageWaitMs, &loop, &QEventLoop::quit);
  loop.exec();
  return fired;
}

MapProbeReport ReportOf(const QByteArray& state, bool bound) {
  const QJsonObject page = QJsonDocument::fromJson(state).object();
  MapProbeReport report;
  report.bound = bound;
  const QJsonValue marker = page.value(QStringLiteral("marker"));
  if (marker.isObject()) {
    report.has_marker = true;
    report.marker_latitude = marker[QStringLiteral("lat")].toDouble();
    report.marker_longitude = marker[QStringLiteral("lon")].toDouble();
  }
  report.route_points = page.value(QStringLiteral("routePoints")).toInt();
  for (const QJsonValue call : page.value(QStringLiteral("calls")).toArray()) {
    report.calls.push_back(call.toString().toStdString());
  }
  return report;
}

}  // namespace

std::optional<MapProbeReport> RunMapProbe(const MapSource& source, const TelemetryStore& store,
                                          const std::vector<int>& times, std::string& problem) {
  std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() == nullptr) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareHeadlessWebEngine();
    // The command's output is its contract: the engine's start-up chatter stays off stderr.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --log-level=3");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "vantrel-cli";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
  }
  CMapViewWnd view(source, store, nullptr);
  view.resize(300, 300);
  view.show();
  bool loaded = false;
  QObject::connect(&view, &CMapViewWnd::pageLoadFinished, [&loaded](bool ok) { loaded = ok; });
  view.LoadMapPage();
  if (!WaitFor(&view, &CMapViewWnd::pageLoadFinished) || !loaded) {
    problem = "the map page did not load: " + MapPageUrl(source);
    return std::nullopt;
  }
  view.NewRecording();
  for (int t : times) {
    view.UpdateMapPosition(t);
    if (view.binding_pending()) WaitFor(&view, &CMapViewWnd::bindingAnswered);
  }
  QByteArray state;
  bool answered = false;
  QEventLoop loop;
  // Scripts run in the order they were sent: this read-back sees every update before it.
  view.ReadPage(QStringLiteral("vantrelMapState()"), [&](const QVariant& result) {
    state = result.toString().toUtf8();
    answered = true;
    loop.quit();
  });
  QTimer::singleShot(kPageWaitMs, &loop, &QEventLoop::quit);
  if (!answered) loop.exec();
  if (state.isEmpty()) {
    problem = "the map page did not answer";
    return std::nullopt;
  }
  return ReportOf(state, view.updater().bound());
}

}  // namespace vantrel::ui
