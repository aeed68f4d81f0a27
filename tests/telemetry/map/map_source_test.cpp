#include "telemetry/map/map_source.h"

#include <gtest/gtest.h>

#include <map>

namespace vantrel {
namespace {

SettingLookup From(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    return found->second;
  };
}

TEST(MapSource, DefaultsToTheBundledPageAndOpenStreetMap) {
  const MapSource source = MapSourceFrom(From({}), From({}));
  EXPECT_EQ(MapPageUrl(source), "qrc:/map/ViewerMap.aspx?Level=2&poi=show");
  EXPECT_EQ(source.tile_url, "https://tile.openstreetmap.org/{z}/{x}/{y}.png");
  EXPECT_NE(source.attribution.find("OpenStreetMap"), std::string::npos);
}

TEST(MapSource, EnvironmentWinsOverTheOptionFileAndEmptyValuesAreUnset) {
  const MapSource source =
      MapSourceFrom(From({{"MAP_PAGE", "http://maps.example/base"}, {"MAP_TILES", "file:///t"}}),
                    From({{"VANTREL_MAP_PAGE", "http://other.example/"},
                          {"VANTREL_MAP_TILES", ""},
                          {"VANTREL_MAP_ATTRIBUTION", "ours"}}));
  EXPECT_EQ(MapPageUrl(source), "http://other.example/ViewerMap.aspx?Level=2&poi=show");
  EXPECT_EQ(source.tile_url, "file:///t");
  EXPECT_EQ(source.attribution, "ours");
  EXPECT_EQ(MapPageUrl(MapSourceFrom(From({{"MAP_PAGE", "http://maps.example/base"}}), nullptr)),
            "http://maps.example/base/ViewerMap.aspx?Level=2&poi=show");
}

TEST(MapSource, OptionFileValuesAreReadByKeyWithTheLastLineWinning) {
  const std::string text =
      "LANGUAGE=1\r\nMAP_PAGE=http://a/\r\nMAP_PAGES=x\r\nMAP_PAGE=http://b/\r\n";
  EXPECT_EQ(OptionFileValue(text, "MAP_PAGE"), "http://b/");
  EXPECT_EQ(OptionFileValue(text, "MAP_TILES"), std::nullopt);
  EXPECT_EQ(OptionFileValue("MAP_TILES=file:///x", "MAP_TILES"), "file:///x");
}

TEST(MapSource, OnlyALocalPageWithLocalTilesWorksWithoutAConnection) {
  MapSource source;
  EXPECT_FALSE(MapWorksOffline(source));
  source.tile_url = "file:///srv/tiles/{z}/{x}/{y}.png";
  EXPECT_TRUE(MapWorksOffline(source));
  source.page_base = "file:///srv/map/";
  EXPECT_TRUE(MapWorksOffline(source));
  source.page_base = "http://localhost:8080/";
  EXPECT_FALSE(MapWorksOffline(source));

  MapSource local;
  local.tile_url = "file:///srv/tiles/{z}/{x}/{y}.png";
  EXPECT_TRUE(MapAvailable(true, false, local));
  EXPECT_FALSE(MapAvailable(false, true, local));
  EXPECT_TRUE(MapAvailable(true, true, MapSource{}));
  EXPECT_FALSE(MapAvailable(true, false, MapSource{}));
}

}  // namespace
}  // namespace vantrel
