// Card recordings prepared for playback: a LyFS card image from the recorder simulator, scanned
// by the card reader, each recording either played from the card or rebuilt in the temp folder.
#include "playback/card_recording.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/lyfs_card_scan.h"
#include "catalogue/lyfs_device.h"
#include "catalogue/recording_catalogue.h"
#include "repaired_file.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

TEST(CardRecording, InterruptedAndSoundlessRecordingsAreRebuiltInTheTempFolder) {
  test::TempDir dir;
  const std::string image = dir.File("card.img");
  const test::ProgramRun made = test::RunProgram(
      test::ToolPath("dashcam-sim"),
      {"lyfs-card", image, "--size-mib", "512", "--rec", "4", "--evt", "0", "--prk", "0", "--mot",
       "0", "--mdi", "0", "--audio", "mixed", "--interrupted", "1", "--seconds", "1"},
      test::ErrorOutput::kMerged);
  ASSERT_EQ(made.exit_code, 0) << "dashcam-sim could not write the card: " << made.output;
  RecordingCatalogue catalogue;
  for (const auto name : kLyfsDirectoryNames) catalogue.AddDirectoryName(name);
  catalogue.AddExtension("avi");
  SourceRecord card;
  card.root = "/media/card/";
  card.device_path = image;
  card.kind = SourceKind::kLyfsCard;
  ASSERT_TRUE(ScanLyfsCard(catalogue, card));
  const intptr_t device = LyfsDeviceValue(catalogue.lyfs_device());
  const std::string temp = dir.File("temp");  // created when first needed

  int repaired = 0, added = 0, direct = 0;
  for (const RecordingEntry& entry : catalogue.entries()) {
    const CardPlayback first = PrepareCardRecording(entry, device, temp);
    ASSERT_EQ(first.kind, CardPlayback::Kind::kOpen);
    if (first.action == tools::RepairAction::kDirect) {
      ++direct;
      EXPECT_EQ(first.device, device);
      EXPECT_EQ(first.value, entry.lyfs_file_id);
      continue;
    }
    EXPECT_EQ(first.device, kFileSourceDevice);
    const std::string bytes = test::ReadFile(first.path);
    EXPECT_TRUE(test::ParseRepaired(bytes).sizes_agree) << entry.name;
    EXPECT_TRUE(std::filesystem::exists(temp + "/" + entry.name + "_hdlr"));
    const auto stamp = std::filesystem::last_write_time(first.path);
    std::filesystem::last_write_time(first.path, stamp - std::chrono::hours(1));
    const CardPlayback second = PrepareCardRecording(entry, device, temp);
    EXPECT_EQ(second.path, first.path);
    const bool rebuilt_again =
        std::filesystem::last_write_time(first.path) != stamp - std::chrono::hours(1);
    if (first.action == tools::RepairAction::kRepair) {
      ++repaired;
      EXPECT_EQ(first.path, temp + "/" + entry.name + "_REPAIR.avi");
      EXPECT_TRUE(rebuilt_again) << "an interrupted recording is rebuilt every time";
    } else {
      ++added;
      EXPECT_EQ(first.path, temp + "/" + entry.name + "_AddAudio.avi");
      EXPECT_FALSE(rebuilt_again) << "the rebuild with silent audio is reused";
    }
  }
  EXPECT_GE(repaired, 1);
  EXPECT_GE(added, 1);
  EXPECT_GE(direct, 1);

  // No temp folder to write into: the part files cannot be created.
  for (const RecordingEntry& entry : catalogue.entries()) {
    const CardPlayback result = PrepareCardRecording(entry, device, "");
    if (result.action != tools::RepairAction::kDirect) {
      EXPECT_EQ(result.kind, CardPlayback::Kind::kPartsFailed);
    }
  }
}

TEST(CardRecording, NamesFromTheCardStayInsideTheTempFolder) {
  EXPECT_EQ(tools::SafePartName("REC_20140101_120000_2.avi"), "REC_20140101_120000_2.avi");
  EXPECT_EQ(tools::SafePartName("a.b.avi"), "a.b.avi");
  const std::string folder = "/tmp/vantrel/temp";
  for (const std::string& name :
       std::vector<std::string>{"../../etc/passwd", "..\\..\\x.avi", std::string("a\0/b", 4),
                                "x\n.avi", "..", "a/b", "...avi", "\x7f"}) {
    const RepairFiles files = RepairFilesFor(folder, name, tools::RepairAction::kRepair);
    for (const std::string& path : {files.header_part, files.movie_part, files.output}) {
      const std::string leaf = path.substr(folder.size() + 1);
      EXPECT_EQ(path.substr(0, folder.size() + 1), folder + "/");
      EXPECT_EQ(leaf.find_first_of(std::string("/\\\0\n\x7f", 5)), std::string::npos) << leaf;
      EXPECT_EQ(leaf.find(".."), std::string::npos) << leaf;
    }
  }
}

}  // namespace
}  // namespace vantrel
