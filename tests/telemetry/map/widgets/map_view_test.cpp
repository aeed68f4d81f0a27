// The map view on the real page in the web engine, offscreen: the lazy binding, the marker calls
// and their arguments, the route, and a recording without GPS.
#include <QJsonArray>
#include <QSignalSpy>
#include <QTest>
#include <string>

#include "map_page_state.h"
#include "telemetry/map/widgets/map_view_wnd.h"
#include "web_engine_test_main.h"

namespace vantrel::ui {
namespace {

void AddGps(TelemetryStore& store, const char* sentence, uint32_t time_stamp) {
  const std::string packet = sentence;
  store.ParseTelemetryPacket(reinterpret_cast<const uint8_t*>(packet.c_str()), packet.size() + 1,
                             time_stamp);
}

QStringList Calls(const QJsonObject& state) {
  QStringList calls;
  for (const QJsonValue call : state[QStringLiteral("calls")].toArray()) {
    calls << call.toString();
  }
  return calls;
}

}  // namespace

class MapViewTest : public QObject {
  Q_OBJECT

 private slots:
  void firstUpdateBindsSecondShowsMarkerAndRoute() {
    TelemetryStore store;
    AddGps(store, "GPRMC,031500.00,A,3730.5,N,12700.0,E,10.0,90.0,010114", 1000);
    AddGps(store, "GPRMC,031501.00,V,3731.0,N,12701.0,E,0.0,0.0,010114", 2000);
    AddGps(store, "GPRMC,031502.00,A,3731.0,N,12701.0,E,0.0,0.0,010114", 3000);
    AddGps(store, "GPRMC,031503.00,A,3732.0,N,12702.0,E,0.0,0.0,010114", 4000);
    CMapViewWnd view(MapSource{}, store, nullptr);
    view.resize(300, 300);
    view.show();
    view.LoadMapPage();
    // The page loads in the engine's own process: the request returns before it has loaded.
    QVERIFY(!view.page_loaded());
    QVERIFY(WaitForMapPage(view));
    view.NewRecording();

    view.UpdateMapPosition(0);
    WaitForBinding(view);
    QVERIFY(view.updater().bound());
    QJsonObject state = MapPageState(view);
    QVERIFY(Calls(state).isEmpty());
    QVERIFY(state[QStringLiteral("marker")].isNull());

    view.UpdateMapPosition(0);
    state = MapPageState(view);
    QCOMPARE(Calls(state), QStringList({"addPoi_wgs84", "setCenter_wgs84"}));
    const QJsonObject marker = state[QStringLiteral("marker")].toObject();
    QCOMPARE(marker[QStringLiteral("id")].toInt(), 1);
    // 3730.5 and 12700.0 arrive as the 32-bit floats of 37.508333... and 127.0, exactly.
    QCOMPARE(marker[QStringLiteral("lat")].toDouble(),
             static_cast<double>(static_cast<float>(37.0 + 30.5 / 60.0)));
    QCOMPARE(marker[QStringLiteral("lon")].toDouble(), 127.0);
    // The route holds the three valid fixes.
    QCOMPARE(state[QStringLiteral("routePoints")].toInt(), 3);

    view.UpdateMapPosition(3500);
    state = MapPageState(view);
    QCOMPARE(Calls(state), QStringList({"addPoi_wgs84", "setCenter_wgs84", "removePoi",
                                        "addPoi_wgs84", "setCenter_wgs84"}));
    QCOMPARE(state[QStringLiteral("removed")].toArray(), QJsonArray({1}));
    QCOMPARE(state[QStringLiteral("marker")][QStringLiteral("lat")].toDouble(),
             static_cast<double>(static_cast<float>(37.0 + 32.0 / 60.0)));
    QCOMPARE(state[QStringLiteral("routePoints")].toInt(), 3);
    QVERIFY(!view.GrabPicture().isNull());
  }

  void recordingWithoutGpsLeavesThePageUntouched() {
    TelemetryStore store;
    CMapViewWnd view(MapSource{}, store, nullptr);
    view.resize(300, 300);
    view.show();
    view.LoadMapPage();
    QVERIFY(WaitForMapPage(view));
    view.NewRecording();
    view.UpdateMapPosition(0);
    view.UpdateMapPosition(0);
    QVERIFY(!view.binding_pending());
    const QJsonObject state = MapPageState(view);
    QVERIFY(Calls(state).isEmpty());
    QCOMPARE(state[QStringLiteral("routePoints")].toInt(), 0);
    QVERIFY(!view.updater().bound());
  }

  void updatesBeforeTheLoadAreDropped() {
    TelemetryStore store;
    AddGps(store, "GPRMC,031500.00,A,3730.5,N,12700.0,E,10.0,90.0,010114", 1000);
    CMapViewWnd view(MapSource{}, store, nullptr);
    view.resize(300, 300);
    view.LoadMapPage();
    view.UpdateMapPosition(0);
    QVERIFY(!view.binding_pending());
    QVERIFY(WaitForMapPage(view));
    QVERIFY(Calls(MapPageState(view)).isEmpty());
  }
};

}  // namespace vantrel::ui

VANTREL_WEB_ENGINE_TEST_MAIN(vantrel::ui::MapViewTest)
#include "map_view_test.moc"
