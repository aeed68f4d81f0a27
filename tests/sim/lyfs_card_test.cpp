// LyFS card images as dashcam-sim writes them: partitioned, labelled and filled per model, the
// recordings readable through the LyFS library exactly as written, the files that describe the
// card, and the image path guarded against anything but an image file.
#include "sim/lyfs_card_writer.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

#include "lyfs/byte_io.h"
#include "lyfs/lyfs.h"
#include "platform/volume_description.h"
#include "run_program.h"
#include "sim/fat_partition.h"
#include "sim/file_digest.h"
#include "sim/lyfs_card_files.h"
#include "sim_test_support.h"
#include "temp_dir.h"

namespace vantrel::sim {
namespace {

namespace fs = std::filesystem;
using vantrel::test::ErrorOutput;
using vantrel::test::ProgramRun;
using vantrel::test::RunProgram;
using vantrel::test::ToolPath;

// A quick card: small pictures, half-second recordings.
LyfsCardDescription SmallCard(const std::string& model, uint64_t size_mib) {
  LyfsCardDescription card;
  card.model = model;
  card.size_bytes = size_mib << 20;
  RecordingDescription& recording = card.recordings.template_recording;
  recording.seconds = 0.5;
  recording.fps = 10;
  recording.front = recording.rear = FrameSize{160, 90};
  card.recordings.counts = {{"REC", 2}, {"EVT", 1}, {"PRK", 1}, {"MOT", 0}, {"MDI", 0}};
  card.recordings.interrupted = 1;
  return card;
}

// The file read back through the library's own calls, written out beside the image.
std::string ReadBack(const std::string& image, const std::string& directory,
                     const std::string& name) {
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> block{};
  if (QX_LyFS_Device_Open(image.c_str(), LYFS_OPEN_READ, block.data()) != LYFS_OK) return "";
  const std::string path = "/" + directory + "/" + name;
  const int handle = QX_LyFS_File_Open(block.data(), path.c_str(), "r", 0, 0, 0);
  std::string bytes;
  std::vector<char> chunk(65536);
  int got = 0;
  while (handle > 0 && (got = QX_LyFS_File_Read(block.data(), chunk.data(),
                                                static_cast<int>(chunk.size()), handle)) > 0) {
    bytes.append(chunk.data(), static_cast<size_t>(got));
  }
  QX_LyFS_File_Close(block.data(), handle);
  QX_LyFS_Device_Close(block.data());
  const std::string out = image + "." + name;
  std::ofstream(out, std::ios::binary) << bytes;
  return out;
}

std::string Mtools(const std::string& tool, const std::string& image, const std::string& what) {
  return RunProgram(tool, {"-i", image + "@@1048576", what}, ErrorOutput::kMerged).output;
}

TEST(LyfsCard, MeridaCardIsPartitionedLabelledAndFilledAsShipped) {
  vantrel::test::TempDir dir;
  const std::string image = dir.File("card.img");
  std::vector<WrittenCardFile> written;
  std::string error;
  ASSERT_TRUE(WriteLyfsCard(SmallCard("MERIDA", 128), image, &error, &written)) << error;
  EXPECT_EQ(fs::file_size(image), uint64_t{128} << 20);

  const auto fat = FindFatPartition(image);
  ASSERT_TRUE(fat);
  EXPECT_EQ(fat->start_sector, 2048u);
  EXPECT_EQ(fat->sectors, 110u * 2048);
  EXPECT_NE(Mtools("mdir", image, "::/").find("Volume in drive : is MERIDA"), std::string::npos);
  EXPECT_EQ(Mtools("mtype", image, "::/setup.cfg").rfind("Product Name            : MERIDA\r\n", 0),
            0u);
  EXPECT_NE(QX_LyFS_Check_LyFS_partition(image.c_str()), 0);

  // Continuous recordings go to NORMAL on this model; the card has no INFINITE.
  ASSERT_EQ(written.size(), 4u);
  EXPECT_EQ(written[0].directory + "/" + written[0].name, "NORMAL/REC_20140101_120000_1.avi");
  EXPECT_EQ(written[1].directory + "/" + written[1].name, "EVENT/EVT_20140101_120001_2.avi");
  EXPECT_EQ(written[2].directory + "/" + written[2].name, "PARKING/PRK_20140101_120002_1.avi");
  EXPECT_EQ(written[3].directory, "NORMAL");
  int interrupted = 0;
  for (const WrittenCardFile& file : written) {
    const std::string copy = ReadBack(image, file.directory, file.name);
    EXPECT_EQ(fs::file_size(copy), file.size) << file.name;
    EXPECT_EQ(Sha256OfFile(copy), file.sha256) << file.name;
    // A recording cut by a power loss keeps RIFF size 0.
    if (test::Le32(vantrel::test::ReadFile(copy), 4) == 0) ++interrupted;
  }
  EXPECT_EQ(interrupted, 1);
}

// The FAT32 partition keeps its own cluster size on a large card: sized by the whole image, it
// would have too few clusters for FAT32 and mtools (like many systems) would refuse it.
TEST(LyfsCard, LargeCardKeepsAReadableFatPartition) {
  vantrel::test::TempDir dir;
  const std::string image = dir.File("card.img");
  std::string error;
  ASSERT_TRUE(WriteLyfsCard(SmallCard("KT520A", 2048), image, &error)) << error;
  EXPECT_NE(Mtools("mtype", image, "::/setup.cfg").find("KT520A"), std::string::npos);
}

TEST(LyfsCard, WritesOnlyOverAnImageFile) {
  vantrel::test::TempDir dir;
  std::string error;
  const LyfsCardDescription card = SmallCard("KT520A", 128);
  fs::create_directories(dir.File("folder"));
  EXPECT_FALSE(WriteLyfsCard(card, dir.File("folder"), &error));
  EXPECT_FALSE(WriteLyfsCard(card, "/dev/null", &error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;

  EXPECT_FALSE(WriteLyfsCard(SmallCard("KT999", 128), dir.File("a.img"), &error));
  LyfsCardDescription odd = card;
  odd.size_bytes += 512;
  EXPECT_FALSE(WriteLyfsCard(odd, dir.File("b.img"), &error));
  EXPECT_FALSE(WriteLyfsCard(SmallCard("MERIDA", 64), dir.File("c.img"), &error));
  EXPECT_NE(error.find("too small"), std::string::npos) << error;
}

TEST(LyfsCardCommand, WritesTheCardItsManifestAndItsDescription) {
  vantrel::test::TempDir dir;
  const std::string image = dir.File("card.img");
  const auto result = RunProgram(ToolPath("dashcam-sim"), {"lyfs-card",     image,
                                                           "--size-mib",    "128",
                                                           "--rec",         "1",
                                                           "--evt",         "1",
                                                           "--prk",         "0",
                                                           "--mot",         "1",
                                                           "--mdi",         "0",
                                                           "--interrupted", "0",
                                                           "--seconds",     "0.5",
                                                           "--fps",         "10",
                                                           "--front",       "160x90",
                                                           "--list",        dir.File("list.txt"),
                                                           "--cards",       dir.File("cards.txt")},
                                 ErrorOutput::kMerged);
  ASSERT_EQ(result.exit_code, 0) << result.output;
  EXPECT_EQ(result.output,
            "INFINITE/REC_20140101_120000_1.avi\nEVENT/EVT_20140101_120001_2.avi\n"
            "PARKING/MOT_20140101_120002_1.avi\n");

  const std::string manifest = vantrel::test::ReadFile(dir.File("list.txt"));
  const std::string rec = "INFINITE\tREC_20140101_120000_1.avi\t";
  ASSERT_EQ(manifest.rfind(rec, 0), 0u) << manifest;
  const std::string copy = ReadBack(image, "INFINITE", "REC_20140101_120000_1.avi");
  EXPECT_EQ(manifest.substr(0, manifest.find('\n')),
            rec + std::to_string(fs::file_size(copy)) + "\t" + Sha256OfFile(copy));

  const auto description =
      platform::ParseVolumeDescription(vantrel::test::ReadFile(dir.File("cards.txt")), dir.path());
  EXPECT_TRUE(description.problems.empty());
  ASSERT_EQ(description.volumes.size(), 1u);
  const platform::Volume& volume = description.volumes[0];
  EXPECT_TRUE(platform::OfferableAsCard(volume));
  EXPECT_EQ(volume.device_path, image);
  EXPECT_EQ(volume.label, "KT520A");
  EXPECT_EQ(fs::path(volume.root).lexically_normal(), fs::path(image + ".root/"));
  // The mount point shows the FAT partition's files.
  EXPECT_EQ(vantrel::test::ReadFile(image + ".root/setup.cfg").rfind("Product Name", 0), 0u);
}

TEST(LyfsCardCommand, RefusesWrongWordsAndTooSmallCards) {
  vantrel::test::TempDir dir;
  const std::string image = dir.File("card.img");
  const auto sim = [](std::vector<std::string> words) {
    words.insert(words.begin(), "lyfs-card");
    return RunProgram(ToolPath("dashcam-sim"), words, ErrorOutput::kMerged);
  };
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{image, "--model", "KT999"},
                                             {image, "--size-mib", "0"},
                                             {image, "--sd-allocation", "101"},
                                             {image, "--rec", "-1"},
                                             {image, "--colour", "red"},
                                             {},
                                             {image, image}}) {
    EXPECT_EQ(sim(words).exit_code, 2) << ::testing::PrintToString(words);
  }
  EXPECT_FALSE(fs::exists(image));
  const ProgramRun small = sim({image, "--size-mib", "100", "--rec", "1", "--evt", "0", "--prk",
                                "0", "--mot", "0", "--mdi", "0", "--interrupted", "0"});
  EXPECT_EQ(small.exit_code, 1);
  EXPECT_NE(small.output.find("too small"), std::string::npos) << small.output;
}

}  // namespace
}  // namespace vantrel::sim
