#include "telemetry/map/widgets/map_view_wnd.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <algorithm>
#include <cstdio>

#include "telemetry/map/map_script.h"

// The page's resources live in this library; they must be registered outside any namespace.
static void RegisterMapPageResources() { Q_INIT_RESOURCE(vantrel_map_page); }

namespace vantrel::ui {
namespace {

// A page that never shows a dialog, a console or another address than its own.
class SilentPage : public QWebEnginePage {
 public:
  SilentPage(const QUrl& address, QObject* parent) : QWebEnginePage(parent), address_(address) {}

 protected:
  void javaScriptAlert(const QUrl&, const QString&) override {}
  bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
    return false;
  }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}
  bool acceptNavigationRequest(const QUrl& url, NavigationType, bool is_main_frame) override {
    return is_main_frame && url == address_;
  }

 private:
  QUrl address_;
};

// Set before the page's own scripts run: the tile layer the page draws.
QWebEngineScript ConfigScript(const MapSource& source) {
  const QJsonObject config{{"tiles", QString::fromStdString(source.tile_url)},
                           {"attribution", QString::fromStdString(source.attribution)}};
  QWebEngineScript script;
  script.setName(QStringLiteral("vantrel-map-config"));
  script.setInjectionPoint(QWebEngineScript::DocumentCreation);
  script.setWorldId(QWebEngineScript::MainWorld);
  script.setSourceCode(QStringLiteral("window.vantrelMapConfig=") +
                       QString::fromUtf8(QJsonDocument(config).toJson(QJsonDocument::Compact)) +
                       QStringLiteral(";"));
  return script;
}

}  // namespace

CMapViewWnd::CMapViewWnd(const MapSource& source, const TelemetryStore& store, QWidget* parent)
    : QWebEngineView(parent), source_(source), updater_(*this, store) {
  RegisterMapPageResources();
  setObjectName(QStringLiteral("MapViewWnd"));
  setProperty("controlId", kMapViewId);
  setContextMenuPolicy(Qt::NoContextMenu);
  auto* page = new SilentPage(QUrl(QString::fromStdString(MapPageUrl(source_))), this);
  page->settings()->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  page->settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  page->scripts().insert(ConfigScript(source_));
  setPage(page);
  connect(page, &QWebEnginePage::loadStarted, this, [this] {
    page_loaded_ = false;
    binding_pending_ = false;
    updater_.PageReset();
  });
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool ok) {
    page_loaded_ = ok;
    emit pageLoadFinished(ok);
  });
  connect(page, &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
            if (status == QWebEnginePage::NormalTerminationStatus) return;
            page_loaded_ = false;
            std::fprintf(stderr, "%s: the map's web engine stopped (code %d)\n",
                         qPrintable(QCoreApplication::applicationName()), code);
            emit engineFailed();
          });
}

void CMapViewWnd::LoadMapPage() {
  page_loaded_ = false;
  setUrl(QUrl(QString::fromStdString(MapPageUrl(source_))));
  updater_.PageRequested();
}

void CMapViewWnd::UpdateMapPosition(int position_ms) {
  updater_.UpdateMapPosition(static_cast<uint32_t>(std::max(position_ms, 0)));
}

QImage CMapViewWnd::GrabPicture() { return grab().toImage(); }

void CMapViewWnd::ReadPage(const QString& script, std::function<void(const QVariant&)> done) {
  QPointer<CMapViewWnd> self(this);
  page()->runJavaScript(script, [self, done = std::move(done)](const QVariant& result) {
    if (self) done(result);
  });
}

void CMapViewWnd::RunScript(const std::string& script) {
  if (page_loaded_) page()->runJavaScript(QString::fromStdString(script));
}

void CMapViewWnd::RequestBinding() {
  if (!page_loaded_ || binding_pending_) return;
  binding_pending_ = true;
  ReadPage(QString::fromStdString(BindingScript()), [this](const QVariant& result) {
    binding_pending_ = false;
    const QVariantList found = result.toList();
    auto has = [&found](int i) { return i < found.size() && found[i].toBool(); };
    updater_.FunctionsBound({has(2), has(1), has(0)});
    emit bindingAnswered();
  });
}

}  // namespace vantrel::ui
