#include "map_page_state.h"

#include <QJsonDocument>
#include <QTest>

#include "telemetry/map/widgets/map_view_wnd.h"

namespace vantrel::ui {

bool WaitForMapPage(CMapViewWnd& view) {
  return QTest::qWaitFor([&view] { return view.page_loaded(); }, kMapPatienceMs);
}

void WaitForBinding(CMapViewWnd& view) {
  (void)QTest::qWaitFor([&view] { return !view.binding_pending(); }, kMapPatienceMs);
}

QJsonObject MapPageState(CMapViewWnd& view) {
  QByteArray state;
  view.ReadPage(QStringLiteral("vantrelMapState()"),
                [&state](const QVariant& result) { state = result.toString().toUtf8(); });
  (void)QTest::qWaitFor([&state] { return !state.isEmpty(); }, kMapPatienceMs);
  return QJsonDocument::fromJson(state).object();
}

}  // namespace vantrel::ui
