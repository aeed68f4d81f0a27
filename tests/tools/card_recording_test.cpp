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

namespace fs = std::filesystem;

// A simulated LyFS card of four normal recordings, sound mixed, one of them interrupted, scanned
// by the card reader.
class SimulatedCard {
 public:
  explicit SimulatedCard(const std::string& seconds) {
    const std::string image = dir_.File("card.img");
    const test::ProgramRun made = test::RunProgram(
        test::ToolPath("dashcam-sim"),
        {"lyfs-card",     image, "--size-mib", "512",  "--rec", "4", "--evt",   "0",
         "--prk",         "0",   "--mot",      "0",    "--mdi", "0", "--audio", "mixed",
         "--interrupted", "1",   "--seconds",  seconds},
        test::ErrorOutput::kMerged);
    EXPECT_EQ(made.exit_code, 0) << "dashcam-sim could not write the card: " << made.output;
    for (const auto name : kLyfsDirectoryNames) catalogue_.AddDirectoryName(name);
    catalogue_.AddExtension("avi");
    SourceRecord card;
    card.root = "/media/card/";
    card.device_path = image;
    card.kind = SourceKind::kLyfsCard;
    scanned_ = ScanLyfsCard(catalogue_, card);
  }

  bool scanned() const { return scanned_; }
  const RecordingCatalogue& catalogue() const { return catalogue_; }
  intptr_t device() const { return LyfsDeviceValue(catalogue_.lyfs_device()); }
  std::string File(const std::string& name) const { return dir_.File(name); }

 private:
  test::TempDir dir_;
  RecordingCatalogue catalogue_;
  bool scanned_ = false;
};

TEST(CardRecording, InterruptedAndSoundlessRecordingsAreRebuiltInTheTempFolder) {
  const SimulatedCard sim("1");
  ASSERT_TRUE(sim.scanned());
  const RecordingCatalogue& catalogue = sim.catalogue();
  const intptr_t device = sim.device();
  const std::string temp = sim.File("temp");  // created when first needed

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

// A loader given up mid-copy asks between blocks and stops at the first "cancelled", wherever
// that falls: in the part files or in the rebuild. The rebuilt name appears only once complete.
TEST(CardRecording, APreparationGivenUpStopsBetweenBlocksAndLeavesNothingBehind) {
  const SimulatedCard sim("2");
  ASSERT_TRUE(sim.scanned());
  const std::string temp = sim.File("temp");
  int prepared = 0;
  for (const RecordingEntry& entry : sim.catalogue().entries()) {
    fs::remove_all(temp);
    int blocks = 0;
    const CardPlayback whole = PrepareCardRecording(entry, sim.device(), temp, [&] {
      ++blocks;
      for (const auto& file : fs::directory_iterator(temp)) {
        EXPECT_NE(file.path().extension(), ".avi")
            << "a rebuild under its final name before it is complete: " << file.path();
      }
      return false;
    });
    if (whole.action == tools::RepairAction::kDirect) continue;
    ++prepared;
    ASSERT_EQ(whole.kind, CardPlayback::Kind::kOpen);
    EXPECT_TRUE(fs::is_regular_file(whole.path));
    EXPECT_FALSE(fs::exists(whole.path + ".unfinished"));
    ASSERT_GE(blocks, 3) << "the copy and the rebuild are asked block by block";

    for (int stop = 1; stop <= blocks; ++stop) {
      fs::remove_all(temp);
      int asked = 0;
      const CardPlayback given_up =
          PrepareCardRecording(entry, sim.device(), temp, [&] { return ++asked >= stop; });
      EXPECT_EQ(given_up.kind, CardPlayback::Kind::kCancelled) << "stopped at block " << stop;
      EXPECT_TRUE(fs::is_empty(temp)) << "stopped at block " << stop;
    }
  }
  EXPECT_EQ(prepared, 2);
}

// A temp folder that cannot be looked into (here a link to itself, which stops even root) fails
// the preparation instead of ending the process from the loader's thread; so does a name from
// the card too long for the file system.
TEST(CardRecording, AFolderThatCannotBeLookedIntoFailsThePartsWithoutThrowing) {
  const SimulatedCard sim("1");
  ASSERT_TRUE(sim.scanned());
  const std::string loop = sim.File("loop");
  fs::create_directory_symlink(loop, loop);
  int failed = 0;
  for (const RecordingEntry& entry : sim.catalogue().entries()) {
    RecordingEntry long_name = entry;
    long_name.name = std::string(300, 'R') + ".avi";
    for (const auto& [folder, recording] :
         {std::pair{loop + "/temp", entry}, std::pair{sim.File("temp"), long_name}}) {
      const CardPlayback result = PrepareCardRecording(recording, sim.device(), folder);
      if (result.action == tools::RepairAction::kDirect) continue;
      EXPECT_EQ(result.kind, CardPlayback::Kind::kPartsFailed) << folder;
      ++failed;
    }
  }
  EXPECT_EQ(failed, 4);
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
