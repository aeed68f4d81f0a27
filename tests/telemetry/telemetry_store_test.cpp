// The store: packets in, the look-ups by playback time and their not-found rules, emptying each
// array on its own, and the growth rule.
#include "telemetry/telemetry_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_helpers.h"

namespace vantrel {
namespace {

using test::AddSentence;

TEST(TelemetryStoreTest, GsensorSamplesAreRawPlusOneAndScaledByOneThirtySecond) {
  TelemetryStore store;
  const uint8_t sample[] = {'M', 0xFF, 0x00, 0x7F};
  store.ParseTelemetryPacket(sample, sizeof(sample), 0x80000000u);  // negative if signed
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 256);
  EXPECT_EQ(store.gsensor_records()[0].y, 1);
  EXPECT_EQ(store.gsensor_records()[0].z, 128);

  const GsensorReading reading = store.GsensorAt(100);
  EXPECT_TRUE(reading.found);
  EXPECT_EQ(reading.x, 8.0f);
  EXPECT_EQ(reading.y, 0.03125f);
  EXPECT_EQ(reading.z, 4.0f);
  EXPECT_TRUE(store.GsensorAt(0x80000000u).found);
  const GsensorReading beyond = store.GsensorAt(0x80000001u);
  EXPECT_FALSE(beyond.found);
  EXPECT_EQ(beyond.x, 0.0f);
}

TEST(TelemetryStoreTest, OddPacketsAreHandledSafely) {
  TelemetryStore store;
  const uint8_t unknown[] = {'X', 1, 2, 3};
  store.ParseTelemetryPacket(unknown, sizeof(unknown), 1);
  store.ParseTelemetryPacket(unknown, 0, 1);
  store.ParseTelemetryPacket(nullptr, 16, 1);
  EXPECT_TRUE(store.gps_records().empty());
  EXPECT_TRUE(store.gsensor_records().empty());

  // A short sample reads its missing bytes as zeros, as the splitter's cleared buffer would.
  const uint8_t short_sample[] = {'M', 9};
  store.ParseTelemetryPacket(short_sample, sizeof(short_sample), 2);
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 10);
  EXPECT_EQ(store.gsensor_records()[0].z, 1);

  // 1024 bytes without a zero (and an overstated size): the sentence ends at character 1023,
  // which removes the date's last digit.
  std::string text = "GPRMC,235959,A,3730.5,N,12700.0,E,10.0,90.0,";
  text.insert(5, kTelemetryPacketSize - 6 - text.size(), 'X');
  text += "311212";
  const std::vector<uint8_t> packet(text.begin(), text.end());  // exactly sized for ASan
  store.ParseTelemetryPacket(packet.data(), packet.size() + 100, 9);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].day, 31);
  EXPECT_EQ(store.gps_records()[0].year, 1);
}

TEST(TelemetryStoreTest, SpeedAndPositionComeFromTheFirstFixAtOrAfterTheTime) {
  TelemetryStore store;
  EXPECT_FALSE(store.SpeedAt(0).found);
  AddSentence(store, "GPRMC,235959,A,3730.5000,N,12700.0000,E,10.0,90.0,311212", 1000);
  AddSentence(store, "GPRMC,000000,V,3731.0000,N,12701.0000,E,20.0,90.0,010113", 2000);
  AddSentence(store, "GPRMC,000001,A,3730.5000,S,12700.0000,W,5.0,180.0,010113", 3000);

  EXPECT_EQ(store.SpeedAt(1000).speed, static_cast<double>(18.52f));
  const PositionReading north_east = store.PositionAt(0);
  EXPECT_TRUE(north_east.found);
  EXPECT_NEAR(north_east.latitude, 37.508333, 1e-5);
  EXPECT_EQ(north_east.longitude, 127.0f);

  // The status V fix hides the valid one after it.
  const PositionReading hidden = store.PositionAt(1001);
  EXPECT_FALSE(hidden.found);
  EXPECT_EQ(hidden.latitude, 0.0f);
  EXPECT_FALSE(store.SpeedAt(2000).found);
  EXPECT_EQ(store.SpeedAt(2000).speed, 0.0);

  const PositionReading south_west = store.PositionAt(2001);
  EXPECT_NEAR(south_west.latitude, -37.508333, 1e-5);
  EXPECT_EQ(south_west.longitude, -127.0f);
  EXPECT_FALSE(store.SpeedAt(3001).found);
  EXPECT_FALSE(store.PositionAt(3001).found);
}

TEST(TelemetryStoreTest, EachArrayIsEmptiedOnItsOwn) {
  TelemetryStore store;
  const uint8_t sample[] = {'M', 1, 2, 3};
  store.ParseTelemetryPacket(sample, sizeof(sample), 10);
  AddSentence(store, "GPRMC,1,A,1,N,1,E,1,1,1", 10);
  store.ResetTelemetry(TelemetryArray::kGsensor);
  EXPECT_FALSE(store.GsensorAt(0).found);
  EXPECT_TRUE(store.SpeedAt(0).found);
  store.ResetTelemetry(TelemetryArray::kGps);
  EXPECT_TRUE(store.gps_records().empty());
}

TEST(TelemetryStoreTest, ArraysGrowByAnEighthBetweenFourAndAThousandRecords) {
  RecordArray<int> array;
  size_t capacity = 0;
  for (int i = 0; i < 20000; ++i) {
    array.Append(i);
    if (array.capacity() != capacity) {
      EXPECT_EQ(array.capacity(), capacity + std::clamp<size_t>(capacity / 8, 4, 1024));
      capacity = array.capacity();
    }
  }
  EXPECT_EQ(array[19999], 19999);
}

}  // namespace
}  // namespace vantrel
