#include "map_page_state.h"

#include <QJsonDocument>
#include <QTest>

#include "telemetry/map/widgets/map_view_wnd.h"

namespace vantrel::ui {
namespace {

// Never a measured time: only how long a very slow machine may take before the test gives up.
constexpr int kPatienceMs = 120000;

}  // namespace

bool WaitForMapPage(CMapViewWnd& view) {
  return QTest::qWaitFor([&view] { return view.page_loaded(); }, kPatienceMs);
}

void WaitForBinding(CMapViewWnd& view) {
  (void)QTest::qWaitFor([&view] { return !view.binding_pending(); }, kPatienceMs);
}

QJsonObject MapPageState(CMapViewWnd& view) {
  QByteArray state;
  view.ReadPage(QStringLiteral("vantrelMapState()"),
                [&state](const QVariant& result) { state = result.toString().toUtf8(); });
  (void)QTest::qWaitFor([&state] { return !state.isEmpty(); }, kPatienceMs);
  return QJsonDocument::fromJson(state).object();
}

}  // namespace vantrel::ui
