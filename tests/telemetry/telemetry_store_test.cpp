// The store: packets in, records kept in order, the look-ups by playback time and their
// not-found rules, emptying each array on its own, and the growth rule.
#include "telemetry/telemetry_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vantrel {
namespace {

void AddSentence(TelemetryStore& store, const std::string& text, uint32_t time_stamp) {
  std::vector<uint8_t> packet(kTelemetryPacketSize, 0);
  std::memcpy(packet.data(), text.data(), text.size());
  store.ParseTelemetryPacket(packet.data(), packet.size(), time_stamp);
}

void AddSample(TelemetryStore& store, uint8_t x, uint8_t y, uint8_t z, uint32_t time_stamp) {
  const uint8_t packet[] = {'M', x, y, z};
  store.ParseTelemetryPacket(packet, sizeof(packet), time_stamp);
}

TEST(TelemetryStoreTest, GsensorPacketStoresRawPlusOneAndScalesByOneThirtySecond) {
  TelemetryStore store;
  EXPECT_EQ(store.GsensorAt(0).found, false);

  AddSample(store, 0xFF, 0x00, 0x7F, 500);
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  const GsensorRecord& sample = store.gsensor_records()[0];
  EXPECT_EQ(sample.x, 256);
  EXPECT_EQ(sample.y, 1);
  EXPECT_EQ(sample.z, 128);
  EXPECT_EQ(sample.time_stamp, 500u);

  const GsensorReading reading = store.GsensorAt(100);
  EXPECT_TRUE(reading.found);
  EXPECT_EQ(reading.x, 8.0f);
  EXPECT_EQ(reading.y, 0.03125f);
  EXPECT_EQ(reading.z, 4.0f);

  const GsensorReading beyond = store.GsensorAt(501);
  EXPECT_FALSE(beyond.found);
  EXPECT_EQ(beyond.x, 0.0f);
  EXPECT_EQ(beyond.z, 0.0f);
}

TEST(TelemetryStoreTest, PacketsOfOtherKindsOrShortOnesAreHandledSafely) {
  TelemetryStore store;
  const uint8_t unknown[] = {'X', 1, 2, 3};
  store.ParseTelemetryPacket(unknown, sizeof(unknown), 1);
  store.ParseTelemetryPacket(unknown, 0, 1);
  store.ParseTelemetryPacket(nullptr, 16, 1);
  EXPECT_TRUE(store.gsensor_records().empty());
  EXPECT_TRUE(store.gps_records().empty());

  // A short sample reads its missing bytes as zeros, as the splitter's cleared buffer would.
  const uint8_t short_sample[] = {'M', 9};
  store.ParseTelemetryPacket(short_sample, sizeof(short_sample), 2);
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 10);
  EXPECT_EQ(store.gsensor_records()[0].y, 1);
  EXPECT_EQ(store.gsensor_records()[0].z, 1);

  // A sentence without its zero byte stops at the packet's end.
  const std::string text = "GPRMC,010203,A,1,N,2,E,3,4,050607";
  store.ParseTelemetryPacket(reinterpret_cast<const uint8_t*>(text.data()), text.size(), 3);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].year, 7);
}

TEST(TelemetryStoreTest, UnterminatedFullPacketIsCutNotOverrun) {
  // 1024 bytes without a zero: the sentence ends at character 1023, which removes the date's
  // last digit.
  std::string text = "GPRMC,235959,A,3730.5,N,12700.0,E,10.0,90.0,";
  text.insert(5, kTelemetryPacketSize - 6 - text.size(), 'X');
  text += "311212";
  ASSERT_EQ(text.size(), kTelemetryPacketSize);
  std::vector<uint8_t> packet(text.begin(), text.end());  // exactly sized, so ASan sees overruns
  TelemetryStore store;
  store.ParseTelemetryPacket(packet.data(), packet.size() + 100, 9);  // an overstated size too
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].year, 1);
  EXPECT_EQ(store.gps_records()[0].day, 31);
}

TEST(TelemetryStoreTest, SpeedAndPositionComeFromTheFirstFixAtOrAfterTheTime) {
  TelemetryStore store;
  EXPECT_FALSE(store.SpeedAt(0).found);
  EXPECT_FALSE(store.PositionAt(0).found);

  AddSentence(store, "GPRMC,235959,A,3730.5000,N,12700.0000,E,10.0,90.0,311212", 1000);
  AddSentence(store, "GPRMC,000000,V,3731.0000,N,12701.0000,E,20.0,90.0,010113", 2000);
  AddSentence(store, "GPRMC,000001,A,3730.5000,S,12700.0000,W,5.0,180.0,010113", 3000);
  ASSERT_EQ(store.gps_records().size(), 3u);

  const SpeedReading first = store.SpeedAt(0);
  EXPECT_TRUE(first.found);
  EXPECT_EQ(first.speed, static_cast<double>(18.52f));
  EXPECT_TRUE(store.SpeedAt(1000).found);  // a stamp equal to the time counts

  // The status V fix in the middle hides the valid one after it.
  EXPECT_FALSE(store.SpeedAt(1001).found);
  EXPECT_EQ(store.SpeedAt(1001).speed, 0.0);
  const PositionReading hidden = store.PositionAt(2000);
  EXPECT_FALSE(hidden.found);
  EXPECT_EQ(hidden.latitude, 0.0f);

  const PositionReading north_east = store.PositionAt(500);
  EXPECT_TRUE(north_east.found);
  EXPECT_NEAR(north_east.latitude, 37.508333, 1e-5);
  EXPECT_EQ(north_east.longitude, 127.0f);
  const PositionReading south_west = store.PositionAt(2001);
  EXPECT_TRUE(south_west.found);
  EXPECT_NEAR(south_west.latitude, -37.508333, 1e-5);
  EXPECT_EQ(south_west.longitude, -127.0f);

  EXPECT_FALSE(store.SpeedAt(3001).found);
  EXPECT_FALSE(store.PositionAt(0xFFFFFFFFu).found);
}

TEST(TelemetryStoreTest, TimesCompareUnsigned) {
  TelemetryStore store;
  AddSample(store, 1, 1, 1, 0x80000000u);  // negative if read as signed
  EXPECT_TRUE(store.GsensorAt(5).found);
  EXPECT_TRUE(store.GsensorAt(0x80000000u).found);
  EXPECT_FALSE(store.GsensorAt(0x80000001u).found);
}

TEST(TelemetryStoreTest, EachArrayIsEmptiedOnItsOwn) {
  TelemetryStore store;
  AddSample(store, 1, 2, 3, 10);
  AddSentence(store, "GPRMC,1,A,1,N,1,E,1,1,1", 10);
  store.ResetTelemetry(TelemetryArray::kGsensor);
  EXPECT_TRUE(store.gsensor_records().empty());
  EXPECT_EQ(store.gps_records().size(), 1u);
  EXPECT_FALSE(store.GsensorAt(0).found);
  EXPECT_TRUE(store.SpeedAt(0).found);
  store.ResetTelemetry(TelemetryArray::kGps);
  EXPECT_TRUE(store.gps_records().empty());
  EXPECT_EQ(store.gps_records().capacity(), 0u);
}

TEST(TelemetryStoreTest, ArraysGrowByAnEighthBetweenFourAndAThousandRecords) {
  RecordArray<int> array;
  std::vector<size_t> capacities;
  for (int i = 0; i < 20000; ++i) {
    const size_t before = array.capacity();
    array.Append(i);
    if (array.capacity() != before) capacities.push_back(array.capacity());
  }
  ASSERT_GE(capacities.size(), 4u);
  EXPECT_EQ(capacities[0], 4u);
  EXPECT_EQ(capacities[1], 8u);
  EXPECT_EQ(capacities[2], 12u);
  for (size_t i = 1; i < capacities.size(); ++i) {
    const size_t count = capacities[i - 1];
    const size_t step = std::min<size_t>(std::max<size_t>(count / 8, 4), 1024);
    EXPECT_EQ(capacities[i], count + step) << "after " << count;
  }
  EXPECT_EQ(capacities.back() - capacities[capacities.size() - 2], 1024u);
  EXPECT_EQ(array[19999], 19999);
}

}  // namespace
}  // namespace vantrel
