// Loading through a scripted splitter and a simulated clock: what the splitter is offered, when
// the loader pauses, and when it stops waiting.
#include "telemetry/telemetry_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>

namespace vantrel {
namespace {

using std::chrono::milliseconds;

constexpr int kNotReady = 1;

// Plays back a list of answers, then says "not ready" for ever. Every offer must be a cleared
// 1024-byte buffer; the splitter scribbles over all of it, as a careless one might.
class ScriptedSplitter : public SplitterControl {
 public:
  struct Answer {
    int result = kNotReady;
    std::string packet;
    uint32_t time_stamp = 0;
    int32_t size = -2;  // -2: the packet's own length
  };

  void Add(const Answer& answer, int times = 1) { answers_.insert(answers_.end(), times, answer); }
  int dirty_offers() const { return dirty_offers_; }

  int SetParseMode(int32_t) override { return 0; }
  int SetCardSource(intptr_t, int32_t) override { return 0; }
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) override {
    if (*size != 1024 || *time_stamp != 0 || std::count(buffer, buffer + 1024, 0) != 1024) {
      ++dirty_offers_;
    }
    std::fill(buffer, buffer + 1024, uint8_t{0xAB});
    if (answers_.empty()) return kNotReady;
    const Answer answer = answers_.front();
    answers_.pop_front();
    std::copy(answer.packet.begin(), answer.packet.end(), buffer);
    *size = answer.size == -2 ? static_cast<int32_t>(answer.packet.size()) : answer.size;
    *time_stamp = answer.time_stamp;
    return answer.result;
  }

 private:
  std::deque<Answer> answers_;
  int dirty_offers_ = 0;
};

// Time moves only when the loader sleeps.
class FakeClock : public LoaderClock {
 public:
  std::chrono::steady_clock::time_point Now() override { return now_; }
  void SleepFor(milliseconds duration) override {
    ++sleeps_;
    now_ += duration;
  }
  int sleeps() const { return sleeps_; }
  milliseconds elapsed() const { return std::chrono::duration_cast<milliseconds>(now_ - start_); }

 private:
  std::chrono::steady_clock::time_point start_{};
  std::chrono::steady_clock::time_point now_{};
  int sleeps_ = 0;
};

ScriptedSplitter::Answer Sample(uint32_t time_stamp, int32_t size = -2) {
  return {kTelemetryPacketDelivered, std::string("M\x04\x02\x03", 4), time_stamp, size};
}
ScriptedSplitter::Answer Status(int result) { return {result, "", 0, 0}; }
const ScriptedSplitter::Answer kEnd = Status(kNoMoreTelemetryPackets);

TEST(TelemetryLoaderTest, LoadsEveryPacketAndPausesOnlyWhenNothingIsReady) {
  TelemetryStore store;
  store.ParseTelemetryPacket(reinterpret_cast<const uint8_t*>("M\1\1\1"), 4, 1);  // stale
  ScriptedSplitter splitter;
  splitter.Add(Status(kNotReady), 2);
  splitter.Add(Sample(40));
  splitter.Add({kTelemetryPacketDelivered, std::string("GPRMC,1,A,1,N,1,E,1,1,1\0", 24), 50, -2});
  splitter.Add({kTelemetryPacketDelivered, "Zunknown", 60, -2});
  splitter.Add(Status(-5));  // anything but 0 and 38 means "not yet"
  splitter.Add(Sample(70));
  splitter.Add(kEnd);
  FakeClock clock;

  EXPECT_EQ(LoadTelemetry(&splitter, store, clock), TelemetryLoadResult::kComplete);
  EXPECT_EQ(clock.sleeps(), 3);
  EXPECT_EQ(clock.elapsed(), milliseconds(3));
  EXPECT_EQ(splitter.dirty_offers(), 0);
  ASSERT_EQ(store.gsensor_records().size(), 2u);
  EXPECT_EQ(store.gsensor_records()[0].x, 5);
  EXPECT_EQ(store.gsensor_records()[1].time_stamp, 70u);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].time_stamp, 50u);
}

TEST(TelemetryLoaderTest, GivesUpAfterTwoSecondsOfNothingReady) {
  // Quiet spells shorter than the limit, each ended by a packet, are waited out.
  ScriptedSplitter patient;
  patient.Add(Status(kNotReady), 1500);
  patient.Add(Sample(1));
  patient.Add(Status(kNotReady), 1500);
  patient.Add(Sample(2));
  patient.Add(kEnd);
  FakeClock patient_clock;
  TelemetryStore store;
  EXPECT_EQ(LoadTelemetry(&patient, store, patient_clock), TelemetryLoadResult::kComplete);
  EXPECT_EQ(store.gsensor_records().size(), 2u);

  // A splitter that falls silent for good: what came before is kept.
  ScriptedSplitter silent;
  silent.Add(Sample(1));
  FakeClock silent_clock;
  EXPECT_EQ(LoadTelemetry(&silent, store, silent_clock), TelemetryLoadResult::kGaveUp);
  EXPECT_EQ(silent_clock.elapsed(), milliseconds(2000));
  EXPECT_EQ(store.gsensor_records().size(), 1u);

  // No interface at all, with the timing record's own limits.
  FakeClock no_splitter_clock;
  EXPECT_EQ(LoadTelemetry(nullptr, store, no_splitter_clock, {milliseconds(5), milliseconds(100)}),
            TelemetryLoadResult::kGaveUp);
  EXPECT_EQ(no_splitter_clock.elapsed(), milliseconds(100));
  EXPECT_TRUE(store.gsensor_records().empty());
}

TEST(TelemetryLoaderTest, ReportedSizesAreBoundedByTheBuffer) {
  ScriptedSplitter splitter;
  // Larger than the buffer: read up to it, cut at 1023 characters of the 0xAB fill.
  splitter.Add({kTelemetryPacketDelivered, "GPRMC,1,A,1,N,1,E,1,1,", 1, 5000});
  splitter.Add(Sample(2, -7));  // negative: nothing delivered
  splitter.Add(Sample(3, 2));   // only 'M' and X
  splitter.Add(kEnd);
  FakeClock clock;
  TelemetryStore store;
  EXPECT_EQ(LoadTelemetry(&splitter, store, clock), TelemetryLoadResult::kComplete);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].day, 0);  // the fill is no number
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 5);
  EXPECT_EQ(store.gsensor_records()[0].y, 1);
  EXPECT_EQ(store.gsensor_records()[0].time_stamp, 3u);
}

}  // namespace
}  // namespace vantrel
