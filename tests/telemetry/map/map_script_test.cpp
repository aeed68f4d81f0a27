#include "telemetry/map/map_script.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace vantrel {
namespace {

TEST(MapScript, NumbersAreTheFloatsValueWhateverTheLocale) {
  // A locale that writes decimal commas must not change the script.
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  const float latitude = 37.508333f;
  const std::string text = ScriptNumber(latitude);
  EXPECT_EQ(text.find(','), std::string::npos);
  EXPECT_EQ(static_cast<float>(std::strtod(text.c_str(), nullptr)), latitude);
  EXPECT_EQ(std::strtod(text.c_str(), nullptr), static_cast<double>(latitude));
  EXPECT_EQ(ScriptNumber(127.0f), "127");
  EXPECT_EQ(ScriptNumber(-0.5f), "-0.5");
  if (german != nullptr) std::setlocale(LC_ALL, "C");
}

TEST(MapScript, MarkerCallsFollowTheBoundFunctions) {
  const MarkerCalls all{true, true, true};
  EXPECT_EQ(MarkerScript(all, -1, 127.0f, 37.5f),
            "try{addPoi_wgs84(1,127,37.5,\"\",0,0,\"gpspos\");setCenter_wgs84(127,37.5);}"
            "catch(e){}");
  EXPECT_EQ(MarkerScript(all, 1, 127.0f, 37.5f),
            "try{removePoi(1);addPoi_wgs84(1,127,37.5,\"\",0,0,\"gpspos\");"
            "setCenter_wgs84(127,37.5);}catch(e){}");
  // A page without addPoi_wgs84 is only centred.
  EXPECT_EQ(MarkerScript({true, false, true}, 1, 1.0f, 2.0f),
            "try{removePoi(1);setCenter_wgs84(1,2);}catch(e){}");
}

TEST(MapScript, RouteIsOneFlatArrayOfLongitudeLatitudePairs) {
  EXPECT_EQ(RouteScript({{127.0f, 37.5f}, {-0.25f, 51.5f}}),
            "try{setRoute_wgs84([127,37.5,-0.25,51.5]);}catch(e){}");
  EXPECT_EQ(RouteScript({}), "try{setRoute_wgs84([]);}catch(e){}");
}

}  // namespace
}  // namespace vantrel
