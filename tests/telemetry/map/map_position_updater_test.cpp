#include "telemetry/map/map_position_updater.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantrel {
namespace {

// A page that records what it is asked and answers binding requests only when told to.
struct RecordedPage : MapPage {
  void RunScript(const std::string& script) override { scripts.push_back(script); }
  void RequestBinding() override { ++binding_requests; }
  std::vector<std::string> scripts;
  int binding_requests = 0;
};

void AddGps(TelemetryStore& store, const char* sentence, uint32_t time_stamp) {
  const std::string packet = sentence;
  store.ParseTelemetryPacket(reinterpret_cast<const uint8_t*>(packet.c_str()), packet.size() + 1,
                             time_stamp);
}

constexpr char kSeoul[] = "GPRMC,031500.00,A,3730.5,N,12700.0,E,10.0,90.0,010114,,,A";
constexpr char kVoid[] = "GPRMC,031501.00,V,3731.0,N,12701.0,E,0.0,0.0,010114,,,N";

struct MapUpdaterTest : ::testing::Test {
  MapUpdaterTest() : updater(page, store) {
    AddGps(store, kSeoul, 1000);
    AddGps(store, kVoid, 2000);
    updater.PageRequested();
    updater.NewRecording();
  }
  RecordedPage page;
  TelemetryStore store;
  MapPositionUpdater updater;
};

TEST_F(MapUpdaterTest, FirstUpdateOnlyBindsTheSecondShowsRouteMarkerAndCentre) {
  updater.UpdateMapPosition(0);
  EXPECT_EQ(page.binding_requests, 1);
  EXPECT_TRUE(page.scripts.empty());
  // Until the page answers, every update asks again.
  updater.UpdateMapPosition(0);
  EXPECT_EQ(page.binding_requests, 2);
  updater.FunctionsBound({true, true, true});
  updater.UpdateMapPosition(500);
  ASSERT_EQ(page.scripts.size(), 2u);
  const std::string lat = ScriptNumber(static_cast<float>(37.0 + 30.5 / 60.0));
  EXPECT_EQ(page.scripts[0], "try{setRoute_wgs84([127," + lat + "]);}catch(e){}");
  EXPECT_EQ(page.scripts[1], "try{addPoi_wgs84(1,127," + lat + ",\"\",0,0,\"gpspos\");" +
                                 "setCenter_wgs84(127," + lat + ");}catch(e){}");
  EXPECT_EQ(updater.marker_id(), 1);
  // From now on the marker is removed before it is added again; the route is not sent again.
  updater.UpdateMapPosition(1000);
  ASSERT_EQ(page.scripts.size(), 3u);
  EXPECT_EQ(page.scripts[2].rfind("try{removePoi(1);addPoi_wgs84(1,", 0), 0u);
}

TEST_F(MapUpdaterTest, InvalidOrMissingFixesAndAnUnrequestedPageChangeNothing) {
  updater.FunctionsBound({true, true, true});
  updater.UpdateMapPosition(1500);  // the next fix is not valid
  updater.UpdateMapPosition(2001);  // no fix at or after
  EXPECT_TRUE(page.scripts.empty());

  RecordedPage fresh_page;
  MapPositionUpdater unrequested(fresh_page, store);
  unrequested.UpdateMapPosition(0);
  EXPECT_EQ(fresh_page.binding_requests, 0);
}

TEST_F(MapUpdaterTest, ARecordingWithoutGpsLeavesThePageUntouched) {
  TelemetryStore empty;
  RecordedPage quiet_page;
  MapPositionUpdater quiet(quiet_page, empty);
  quiet.PageRequested();
  quiet.NewRecording();
  quiet.FunctionsBound({true, true, true});
  quiet.UpdateMapPosition(0);
  EXPECT_TRUE(quiet_page.scripts.empty());
  EXPECT_EQ(quiet_page.binding_requests, 0);
}

TEST_F(MapUpdaterTest, AReloadedPageIsBoundAgainAndGetsTheRouteAgain) {
  updater.FunctionsBound({true, true, true});
  updater.UpdateMapPosition(0);
  updater.PageReset();
  EXPECT_FALSE(updater.bound());
  updater.UpdateMapPosition(0);
  EXPECT_EQ(page.binding_requests, 1);
  updater.FunctionsBound({true, true, true});
  updater.UpdateMapPosition(0);
  ASSERT_EQ(page.scripts.size(), 4u);
  EXPECT_EQ(page.scripts[2].rfind("try{setRoute_wgs84(", 0), 0u);
}

TEST_F(MapUpdaterTest, APageWithoutSetCenterIsNeverTakenAsBound) {
  updater.FunctionsBound({true, true, false});
  updater.ShowMapPosition(37.5f, 127.0f);
  EXPECT_EQ(page.binding_requests, 1);
  EXPECT_TRUE(page.scripts.empty());
  EXPECT_EQ(updater.marker_id(), -1);
}

TEST_F(MapUpdaterTest, PositionsOffTheGlobeAreNotSent) {
  updater.FunctionsBound({true, true, true});
  updater.ShowMapPosition(999.0f, 127.0f);
  EXPECT_TRUE(page.scripts.empty());
}

}  // namespace
}  // namespace vantrel
