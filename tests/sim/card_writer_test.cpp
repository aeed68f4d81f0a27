// A card folder as the recorder leaves it: its folders, each kind filed in its own, consecutive
// start times, the rear camera, sound and power losses spread as asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "sim/card_writer.h"
#include "sim_test_support.h"
#include "temp_dir.h"

namespace vantrel::sim {
namespace {

CardDescription SmallCard() {
  CardDescription card;
  card.template_recording.seconds = 1.0;
  card.template_recording.fps = 10;
  card.template_recording.front = FrameSize{160, 90};
  card.template_recording.rear = FrameSize{160, 90};
  card.template_recording.start = ClockTime{2014, 1, 1, 23, 59, 58};
  card.counts = {{"REC", 3}, {"EVT", 1}, {"PRK", 1}, {"MOT", 1}, {"MDI", 0}};
  card.two_channel_every = 2;
  card.interrupted = 2;
  return card;
}

TEST(SimCardFolder, FilesEachRecordingInItsFolderWithConsecutiveTimes) {
  vantrel::test::TempDir root;
  std::vector<std::string> written;
  std::string error;
  ASSERT_TRUE(WriteCardFolder(SmallCard(), root.path().string(), &error, &written)) << error;
  for (const char* folder : {"MP4_INFINITE", "MP4_EVENT", "MP4_PARKING"}) {
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "QX_RECBOX" / folder)) << folder;
  }
  // Kinds interleaved over time, the start one second after the last (crossing midnight).
  EXPECT_EQ(written, (std::vector<std::string>{
                         "QX_RECBOX/MP4_INFINITE/REC_20140101_235958_1.avi",
                         "QX_RECBOX/MP4_EVENT/EVT_20140101_235959_2.avi",
                         "QX_RECBOX/MP4_INFINITE/REC_20140102_000000_1.avi",
                         "QX_RECBOX/MP4_PARKING/PRK_20140102_000001_2.avi",
                         "QX_RECBOX/MP4_PARKING/MOT_20140102_000002_1.avi",
                         "QX_RECBOX/MP4_INFINITE/REC_20140102_000003_2.avi",
                     }));
  // Sound in turn PCM, AAC, none; power lost in the last and in the third recording.
  const std::vector<std::string> audio = {"01wb", "02wb", "", "02wb", "01wb", ""};
  for (size_t i = 0; i < written.size(); ++i) {
    const std::string file = vantrel::test::ReadFile(root.path() / written[i]);
    ASSERT_GT(file.size(), 300u);
    const bool interrupted = i == 5 || i == 2;
    EXPECT_EQ(test::Le32(file, 4) == 0, interrupted) << written[i];
    const test::MovieWalk walk = test::WalkMovie(file);
    const bool has_audio = std::any_of(walk.chunks.begin(), walk.chunks.end(),
                                       [](const test::Chunk& c) { return c.id.substr(2) == "wb"; });
    EXPECT_EQ(has_audio, !audio[i].empty()) << written[i];
    if (!audio[i].empty()) {
      EXPECT_TRUE(std::any_of(walk.chunks.begin(), walk.chunks.end(), [&](const test::Chunk& c) {
        return c.id == audio[i];
      })) << written[i];
    }
  }
}

TEST(SimCardFolder, EventRecordingsCarryTheirJolt) {
  std::string error;
  const auto plan = PlanCard(SmallCard(), &error);
  ASSERT_EQ(plan.size(), 6u);
  for (const PlannedRecording& planned : plan) {
    EXPECT_EQ(planned.description.shock_seconds.has_value(), planned.description.kind == "EVT");
  }
}

TEST(SimCardFolder, RefusesWhatARecorderDoesNotWrite) {
  std::string error;
  CardDescription unknown = SmallCard();
  unknown.counts.push_back({"XYZ", 1});
  EXPECT_TRUE(PlanCard(unknown, &error).empty());
  EXPECT_NE(error, "");

  CardDescription negative = SmallCard();
  negative.counts[0].count = -1;
  error.clear();
  EXPECT_TRUE(PlanCard(negative, &error).empty());
  EXPECT_NE(error, "");

  CardDescription too_many_cut = SmallCard();
  too_many_cut.interrupted = 7;
  error.clear();
  EXPECT_TRUE(PlanCard(too_many_cut, &error).empty());
  EXPECT_NE(error, "");

  CardDescription empty = SmallCard();
  for (KindCount& count : empty.counts) count.count = 0;
  empty.interrupted = 0;
  error.clear();
  EXPECT_TRUE(PlanCard(empty, &error).empty());
  EXPECT_EQ(error, "");  // an empty card is a card
}

}  // namespace
}  // namespace vantrel::sim
