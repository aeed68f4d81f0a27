// Recordings on a LyFS card: played from the card, or from a copy rebuilt in the temp folder, and
// the temp folder emptied when playback stops. Also the removal of the card being played.
#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/lyfs_card_scan.h"
#include "controller_fakes.h"
#include "sim/lyfs_card_writer.h"

namespace vantrel {
namespace {

using test::ControllerTest;
namespace command = playback_command;

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

size_t FilesIn(const std::string& folder) {
  if (!std::filesystem::exists(folder)) return 0;
  size_t count = 0;
  for (const auto& item : std::filesystem::directory_iterator(folder)) {
    if (item.is_regular_file()) ++count;
  }
  return count;
}

class ControllerCard : public ControllerTest {
 protected:
  // A small card: four continuous recordings, sound mixed (so one has none), the last cut short.
  void ListCard() {
    sim::LyfsCardDescription card;
    card.size_bytes = uint64_t{256} << 20;
    card.recordings.template_recording = Recording(1, sim::AudioKind::kPcm, 0);
    card.recordings.counts = {{"REC", 4}};
    card.recordings.interrupted = 1;
    card.recordings.two_channel_every = 0;
    card.recordings.audio = sim::CardAudio::kMixed;
    const std::string image = dir_.File("card.img");
    std::string error;
    ASSERT_TRUE(sim::WriteLyfsCard(card, image, &error)) << error;
    for (const auto name : kLyfsDirectoryNames) catalogue_.AddDirectoryName(name);
    SourceRecord source;
    source.root = "/media/card/";
    source.device_path = image;
    source.kind = SourceKind::kLyfsCard;
    ASSERT_TRUE(ScanLyfsCard(catalogue_, source));
    catalogue_.set_open_source_kind(SourceKind::kLyfsCard);
    ASSERT_EQ(catalogue_.FillAll(list_, [](uint32_t) { return std::nullopt; }), 4);
  }
};

TEST_F(ControllerCard, CardRecordingsPlayFromTheCardOrFromTheirRebuiltCopy) {
  ListCard();
  MakeController();
  int direct = 0, repaired = 0, sound_added = 0;
  for (int row = 0; row < list_.RowCount(); ++row) {
    OpenRow(row);
    ASSERT_EQ(controller_->State(), PlaybackState::kRunning) << NameOfRow(row);
    EXPECT_TRUE(view_.enabled[RecordingControl::kSaveCopy]);
    const std::string file = PlayingFile();
    const std::string copy = temp_folder() + "/" + NameOfRow(row);
    if (file == copy + "_REPAIR.avi") {
      ++repaired;
    } else if (file == copy + "_AddAudio.avi") {
      ++sound_added;
      // Opened again without a stop in between: the copy is reused as it is.
      const auto stamp = std::filesystem::last_write_time(file) - std::chrono::hours(1);
      std::filesystem::last_write_time(file, stamp);
      OpenRow(row);
      EXPECT_EQ(PlayingFile(), file);
      EXPECT_EQ(std::filesystem::last_write_time(file), stamp);
    } else {
      ++direct;
      EXPECT_EQ(file, NameOfRow(row));  // read from the card itself
    }
    EXPECT_FALSE(EndsWith(file, "_hdlr"));
    EXPECT_TRUE(messages_.texts.empty());
    controller_->StopPlayback(false);
    EXPECT_EQ(FilesIn(temp_folder()), 0u);
  }
  EXPECT_EQ(repaired, 1);
  EXPECT_GE(sound_added, 1);
  EXPECT_GE(direct, 1);
}

TEST_F(ControllerCard, ACopyThatCannotBeWrittenIsReported) {
  ListCard();
  // The temp folder's place is taken by a file, so no part file can be made in it.
  ASSERT_TRUE(test::WriteFile(temp_folder(), "not a folder"));
  MakeController();
  int refused = 0;
  for (int row = 0; row < list_.RowCount(); ++row) {
    messages_.texts.clear();
    OpenRow(row);
    if (controller_->State() == PlaybackState::kRunning) continue;  // played from the card
    ++refused;
    EXPECT_EQ(controller_->State(), PlaybackState::kStopped);  // the one before does not play on
    ASSERT_EQ(messages_.texts.size(), 1u);
    EXPECT_EQ(messages_.texts[0], "손상된 파일을 복구할 수 없습니다.");
    EXPECT_FALSE(view_.Shown(VideoSurface::kFront));
  }
  EXPECT_GE(refused, 2);
}

TEST_F(ControllerCard, RemovingThePlayingCardStopsPlayback) {
  ListCard();
  MakeController();
  OpenRow(0);
  ASSERT_EQ(controller_->State(), PlaybackState::kRunning);
  controller_->PlayingCardRemoved();
  EXPECT_EQ(controller_->State(), PlaybackState::kStopped);
  EXPECT_EQ(view_.card_gone, 1);
  EXPECT_FALSE(view_.Shown(VideoSurface::kFront));

  // Removed while the next one loads: what the loader opened is dropped when it ends.
  controller_->StartLoader(1);
  controller_->PlayingCardRemoved();
  EXPECT_EQ(view_.card_gone, 1);
  ASSERT_TRUE(WaitLoaded());
  EXPECT_EQ(view_.card_gone, 2);
  EXPECT_NE(controller_->State(), PlaybackState::kRunning);
  EXPECT_FALSE(view_.screen_saver_inhibited);
}

}  // namespace
}  // namespace vantrel
