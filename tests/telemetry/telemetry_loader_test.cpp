// Loading through a scripted splitter and a simulated clock: what is asked of the splitter, when
// the loader pauses, and when it stops waiting.
#include "telemetry/telemetry_loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace vantrel {
namespace {

constexpr int kNotReady = 1;

// A splitter that plays back a list of answers; after the list it says "not ready" for ever.
class ScriptedSplitter : public SplitterControl {
 public:
  struct Answer {
    int result;
    std::string packet;
    uint32_t time_stamp = 0;
    int32_t reported_size = -2;  // -2: the packet's own length
  };

  void Add(Answer answer) { answers_.push_back(std::move(answer)); }
  void AddNotReady(int times) {
    for (int i = 0; i < times; ++i) Add({kNotReady, ""});
  }

  int SetParseMode(int32_t) override { return 0; }
  int SetCardSource(intptr_t, int32_t) override { return 0; }
  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) override {
    ++calls_;
    // Every call offers a cleared 1024-byte buffer and a cleared stamp.
    if (*size != 1024 || *time_stamp != 0 ||
        std::any_of(buffer, buffer + 1024, [](uint8_t b) { return b != 0; })) {
      ++dirty_offers_;
    }
    // Scribble over the whole offer, as a careless splitter might.
    std::fill(buffer, buffer + 1024, uint8_t{0xAB});
    *time_stamp = 0xDEAD;
    if (answers_.empty()) return kNotReady;
    const Answer answer = answers_.front();
    answers_.pop_front();
    if (answer.result == kTelemetryPacketDelivered) {
      std::copy(answer.packet.begin(), answer.packet.end(), buffer);
      *size = answer.reported_size == -2 ? static_cast<int32_t>(answer.packet.size())
                                         : answer.reported_size;
      *time_stamp = answer.time_stamp;
    }
    return answer.result;
  }

  int calls() const { return calls_; }
  int dirty_offers() const { return dirty_offers_; }

 private:
  std::deque<Answer> answers_;
  int calls_ = 0;
  int dirty_offers_ = 0;
};

// Time moves only when the loader sleeps.
class FakeClock : public LoaderClock {
 public:
  std::chrono::steady_clock::time_point Now() override { return now_; }
  void SleepFor(std::chrono::milliseconds duration) override {
    sleeps_.push_back(duration);
    now_ += duration;
  }
  const std::vector<std::chrono::milliseconds>& sleeps() const { return sleeps_; }
  std::chrono::milliseconds elapsed() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(now_ - start_);
  }

 private:
  std::chrono::steady_clock::time_point start_{};
  std::chrono::steady_clock::time_point now_{};
  std::vector<std::chrono::milliseconds> sleeps_;
};

std::string Sample(uint8_t x) { return std::string("M") + static_cast<char>(x) + "\x02\x03"; }

TEST(TelemetryLoaderTest, ReadyPacketsAreLoadedWithoutPausing) {
  TelemetryStore store;
  const uint8_t stale[] = {'M', 0, 0, 0};
  store.ParseTelemetryPacket(stale, sizeof(stale), 1);  // from the previous recording

  ScriptedSplitter splitter;
  splitter.Add({kTelemetryPacketDelivered, Sample(4), 40});
  splitter.Add({kTelemetryPacketDelivered, std::string("GPRMC,1,A,1,N,1,E,1,1,1\0", 24), 50});
  splitter.Add({kTelemetryPacketDelivered, "Zunknown", 60});
  splitter.Add({kTelemetryPacketDelivered, Sample(5), 70});
  splitter.Add({kNoMoreTelemetryPackets, ""});
  FakeClock clock;

  EXPECT_EQ(LoadTelemetry(&splitter, store, clock), TelemetryLoadResult::kComplete);
  EXPECT_TRUE(clock.sleeps().empty());
  EXPECT_EQ(splitter.calls(), 5);
  EXPECT_EQ(splitter.dirty_offers(), 0);
  ASSERT_EQ(store.gsensor_records().size(), 2u);
  EXPECT_EQ(store.gsensor_records()[0].x, 5);
  EXPECT_EQ(store.gsensor_records()[0].time_stamp, 40u);
  EXPECT_EQ(store.gsensor_records()[1].x, 6);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].time_stamp, 50u);
}

TEST(TelemetryLoaderTest, PausesOnlyWhenNothingIsReady) {
  ScriptedSplitter splitter;
  splitter.AddNotReady(2);
  splitter.Add({kTelemetryPacketDelivered, Sample(1), 1});
  splitter.Add({-5, ""});  // any result but 0 and 38 means "not yet"
  splitter.Add({kTelemetryPacketDelivered, Sample(1), 2});
  splitter.Add({kNoMoreTelemetryPackets, ""});
  FakeClock clock;
  TelemetryStore store;

  EXPECT_EQ(LoadTelemetry(&splitter, store, clock), TelemetryLoadResult::kComplete);
  ASSERT_EQ(clock.sleeps().size(), 3u);
  for (const auto pause : clock.sleeps()) EXPECT_EQ(pause, std::chrono::milliseconds(1));
  EXPECT_EQ(store.gsensor_records().size(), 2u);
}

TEST(TelemetryLoaderTest, GivesUpAfterTwoSecondsOfNothingReady) {
  // Quiet spells shorter than the limit, each ended by a packet, are waited out.
  ScriptedSplitter patient;
  patient.AddNotReady(1500);
  patient.Add({kTelemetryPacketDelivered, Sample(1), 1});
  patient.AddNotReady(1500);
  patient.Add({kTelemetryPacketDelivered, Sample(2), 2});
  patient.Add({kNoMoreTelemetryPackets, ""});
  FakeClock patient_clock;
  TelemetryStore store;
  EXPECT_EQ(LoadTelemetry(&patient, store, patient_clock), TelemetryLoadResult::kComplete);
  EXPECT_EQ(store.gsensor_records().size(), 2u);

  // A splitter that falls silent for good: what came before it is kept.
  ScriptedSplitter silent;
  silent.Add({kTelemetryPacketDelivered, Sample(7), 1});
  FakeClock silent_clock;
  EXPECT_EQ(LoadTelemetry(&silent, store, silent_clock), TelemetryLoadResult::kGaveUp);
  EXPECT_GE(silent_clock.elapsed(), std::chrono::milliseconds(2000));
  EXPECT_LE(silent_clock.elapsed(), std::chrono::milliseconds(2001));
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 8);

  // No interface at all, and a shorter limit from the timing record.
  FakeClock no_splitter_clock;
  EXPECT_EQ(LoadTelemetry(nullptr, store, no_splitter_clock,
                          {std::chrono::milliseconds(5), std::chrono::milliseconds(100)}),
            TelemetryLoadResult::kGaveUp);
  EXPECT_EQ(no_splitter_clock.elapsed(), std::chrono::milliseconds(100));
  EXPECT_TRUE(store.gsensor_records().empty());
}

TEST(TelemetryLoaderTest, ReportedSizesAreBoundedByTheBuffer) {
  ScriptedSplitter splitter;
  // Stated larger than the buffer: the sentence is cut at 1023 characters of the 0xAB fill.
  splitter.Add({kTelemetryPacketDelivered, "GPRMC,1,A,1,N,1,E,1,1,", 1, 5000});
  splitter.Add({kTelemetryPacketDelivered, Sample(9), 2, -7});  // negative: nothing delivered
  splitter.Add({kTelemetryPacketDelivered, Sample(9), 3, 2});   // only 'M' and X
  splitter.Add({kNoMoreTelemetryPackets, ""});
  FakeClock clock;
  TelemetryStore store;
  EXPECT_EQ(LoadTelemetry(&splitter, store, clock), TelemetryLoadResult::kComplete);
  ASSERT_EQ(store.gps_records().size(), 1u);
  EXPECT_EQ(store.gps_records()[0].day, 0);  // the fill is no number
  ASSERT_EQ(store.gsensor_records().size(), 1u);
  EXPECT_EQ(store.gsensor_records()[0].x, 10);
  EXPECT_EQ(store.gsensor_records()[0].y, 1);
  EXPECT_EQ(store.gsensor_records()[0].time_stamp, 3u);
}

}  // namespace
}  // namespace vantrel
