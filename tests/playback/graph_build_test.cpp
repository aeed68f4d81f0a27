// Building a player's graph: which filters each pin layout gives, under which names, how the
// sound is decided, and which failures end the build with which result.
#include <gtest/gtest.h>

#include "graph_fakes.h"
#include "playback/graph_player.h"

namespace vantrel {
namespace {

using test::Aac;
using test::FakeComponents;
using test::FixedSink;
using test::H264;
using test::Pcm;
using test::Text;
using Names = std::vector<std::string>;

class GraphBuild : public ::testing::Test {
 protected:
  std::unique_ptr<GraphPlayer> Player(FakeComponents& components, int channels = 2) {
    auto player = std::make_unique<GraphPlayer>(components, channels,
                                                ChannelWindows{&front_, &rear_, &third_, nullptr});
    player->set_configured(true);
    return player;
  }
  // The splitter pin feeding the named filter's input, or -1.
  static int FedBy(const GraphPlayer& player, const std::string& name) {
    const GraphFilter* filter = player.graph()->Find(name);
    if (filter == nullptr || !filter->pins[0].peer) return -1;
    return filter->pins[0].peer->filter == "QXStreamParseFilter"
               ? static_cast<int>(filter->pins[0].peer->pin)
               : -1;
  }

  FixedSink front_, rear_, third_;
};

TEST_F(GraphBuild, OneVideoPinGivesTheOneChannelNames) {
  FakeComponents components({H264("Video 1"), Aac(), Text()});
  auto player = Player(components);
  EXPECT_EQ(player->BuildGraph("a.avi", 7, 3), 0);
  EXPECT_EQ(player->video_pin_count(), 1);
  EXPECT_EQ(player->RoleNames(),
            (Names{"QXStreamParseFilter", "COREAAC AUDIO", "DirectSound Audio Renderer",
                   "FFDShow Decoder1", "Color Space Convertor 1", "Mixing Renderer9"}));
  EXPECT_EQ(player->state(), PlaybackState::kStopped);
  EXPECT_EQ(components.last_splitter->parse_mode, 1);
  EXPECT_EQ(components.last_splitter->card, (std::pair<intptr_t, int32_t>{7, 3}));
  EXPECT_EQ(FedBy(*player, "FFDShow Decoder1"), 0);
  EXPECT_EQ(FedBy(*player, "COREAAC AUDIO"), 1);
  EXPECT_TRUE(player->engine()->decoder_settings(1).has_value());
  EXPECT_EQ(player->Duration(), components.duration);
}

TEST_F(GraphBuild, TwoVideoPinsGiveNumberedChainsAndOneBrightnessFilterEach) {
  FakeComponents components({H264("Video 1"), H264("Video 2"), Aac(), Text()});
  auto player = Player(components);
  player->set_brightness_filter(true);
  EXPECT_EQ(player->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(player->RoleNames(),
            (Names{"QXStreamParseFilter", "CoreAAC Decoder", "DirectSound Audio Renderer",
                   "FFDShow Decoder1", "Brevanta Brightness 1", "Color Space Convertor 1",
                   "Mixing Renderer9-1", "FFDShow Decoder2", "Brevanta Brightness 2",
                   "Color Space Convertor 2", "Mixing Renderer9-2"}));
  // Channel k shows the k-th video pin; the whole chain down to the renderer is joined.
  EXPECT_EQ(FedBy(*player, "FFDShow Decoder1"), 0);
  EXPECT_EQ(FedBy(*player, "FFDShow Decoder2"), 1);
  EXPECT_TRUE(player->graph()->Find("Mixing Renderer9-2")->pins[0].peer.has_value());
  EXPECT_TRUE(player->engine()->decoder_settings(2).has_value());
}

TEST_F(GraphBuild, VideoPinsAreCountedByCaseSensitiveName) {
  // "Video" anywhere counts; a lower-case "video" does not; the count caps at the channel count.
  FakeComponents lower({H264("Front Video cam"), H264("rear video"), Text()});
  auto player = Player(lower);
  EXPECT_EQ(player->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(player->video_pin_count(), 1);
  EXPECT_EQ(player->RoleNames().back(), "Mixing Renderer9");

  FakeComponents three({H264("Video 1"), H264("Video 2"), H264("Video 3")});
  auto capped = Player(three, 2);
  EXPECT_EQ(capped->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(capped->video_pin_count(), 3);
  EXPECT_EQ(capped->RoleNames(),
            (Names{"QXStreamParseFilter", "FFDShow Decoder1", "Color Space Convertor 1",
                   "Mixing Renderer9-1", "FFDShow Decoder2", "Color Space Convertor 2",
                   "Mixing Renderer9-2"}));
}

TEST_F(GraphBuild, NoVideoPinOpensWithTheSplitterAlone) {
  FakeComponents components({Aac(), Text()});
  auto player = Player(components);
  EXPECT_EQ(player->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(player->video_pin_count(), 0);
  EXPECT_EQ(player->RoleNames(), Names{"QXStreamParseFilter"});
  EXPECT_EQ(player->Run(), 0);
  EXPECT_EQ(player->state(), PlaybackState::kRunning);
}

TEST_F(GraphBuild, AudioDecisionPicksTheDecoderOrThePcmPin) {
  // One AAC pin and one PCM pin: A = 1002, so the splitter feeds the sound renderer from the
  // PCM pin and no AAC decoder is made.
  FakeComponents mixed({H264("Video 1"), Aac("Audio AAC"), Pcm("Audio PCM")});
  auto player = Player(mixed);
  EXPECT_EQ(player->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(player->RoleNames(),
            (Names{"QXStreamParseFilter", "DirectSound Audio Renderer", "FFDShow Decoder1",
                   "Color Space Convertor 1", "Mixing Renderer9"}));
  EXPECT_EQ(FedBy(*player, "DirectSound Audio Renderer"), 2);

  // Without a sound device the decoder is made but nothing of the sound is joined.
  FakeComponents silent({H264("Video 1"), Aac()}, false);
  auto quiet = Player(silent);
  EXPECT_EQ(quiet->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(quiet->RoleNames(), (Names{"QXStreamParseFilter", "COREAAC AUDIO", "FFDShow Decoder1",
                                       "Color Space Convertor 1", "Mixing Renderer9"}));
  EXPECT_EQ(FedBy(*quiet, "COREAAC AUDIO"), -1);
}

TEST_F(GraphBuild, FailuresEndTheBuildWithTheFailingCallsCode) {
  FakeComponents components;
  EXPECT_EQ(Player(components)->BuildGraph("", 0, -1), kBuildFailed);

  components.graph_code = kNullPointer;
  EXPECT_EQ(Player(components)->BuildGraph("a.avi", 0, -1), kNullPointer);
  components.graph_code = kGraphOk;

  components.missing_splitter = true;
  EXPECT_EQ(Player(components)->BuildGraph("a.avi", 0, -1), -1);
  components.missing_splitter = false;

  components.loads = false;
  EXPECT_EQ(Player(components)->BuildGraph("a.avi", 0, -1), kBuildFailed);
  components.loads = true;

  components.fail_roles = {FilterRole::kColourConverter};
  auto player = Player(components);
  EXPECT_EQ(player->BuildGraph("a.avi", 0, -1), kFail);
  EXPECT_EQ(player->state(), PlaybackState::kClosed);

  FakeComponents aac({H264("Video 1"), Aac()});
  aac.fail_roles = {FilterRole::kAacDecoder};
  EXPECT_EQ(Player(aac)->BuildGraph("a.avi", 0, -1), kFail);

  // A second build on the same player replaces the first.
  FakeComponents twice;
  auto again = Player(twice);
  EXPECT_EQ(again->BuildGraph("a.avi", 0, -1), 0);
  EXPECT_EQ(again->BuildGraph("b.avi", 0, -1), 0);
  EXPECT_EQ(again->RoleNames().size(), 4u);
  EXPECT_EQ(again->file_name(), "b.avi");
}

}  // namespace
}  // namespace vantrel
