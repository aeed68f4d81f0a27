#include <gtest/gtest.h>

#include "platform/volume_description.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

TEST(VolumeDescription, BlocksWithDefaultsAndRelativePaths) {
  const VolumeDescription description = ParseVolumeDescription(
      "# two cards and the system\r\n"
      "[volume]\r\n"
      "root = cards/card1\r\n"
      "label = CARD 1 \r\n"
      "device = images/card1.img\r\n"
      "\n"
      "[volume]\n"
      "  root=/abs/sd/  \n"
      "label=\xEB\xB8\x94\xEB\x9E\x99\xEB\xB0\x95\xEC\x8A\xA4\n"
      "file_system = exfat\n"
      "removable = false\n"
      "sector_size = 0\n"
      "device = none\n"
      "read_only = 1\n"
      "[volume]\n"
      "root = ../system\n"
      "system = true\n"
      "device = ../disk.img\n",
      "/home/user/sim");
  EXPECT_TRUE(description.problems.empty());
  ASSERT_EQ(description.volumes.size(), 3u);

  const Volume& card = description.volumes[0];
  EXPECT_EQ(card.root, "/home/user/sim/cards/card1/");
  EXPECT_EQ(card.label, "CARD 1");
  EXPECT_EQ(card.device_path, "/home/user/sim/images/card1.img");
  EXPECT_TRUE(OfferableAsCard(card));  // removable, 512-byte sectors, FAT unless said otherwise
  EXPECT_EQ(card.file_system, "vfat");

  const Volume& sd = description.volumes[1];
  EXPECT_EQ(sd.root, "/abs/sd/");
  EXPECT_EQ(sd.label, "\xEB\xB8\x94\xEB\x9E\x99\xEB\xB0\x95\xEC\x8A\xA4");
  EXPECT_EQ(sd.file_system, "exfat");
  EXPECT_FALSE(sd.removable);
  EXPECT_EQ(sd.bytes_per_sector, 0u);
  EXPECT_EQ(sd.device_path, "");
  EXPECT_TRUE(sd.read_only);

  const Volume& system = description.volumes[2];
  EXPECT_EQ(system.root, "/home/user/system/");
  EXPECT_EQ(system.device_path, "/home/user/disk.img");
  EXPECT_TRUE(system.system_disk);
}

TEST(VolumeDescription, MalformedLinesAreSkippedAndReported) {
  const VolumeDescription description = ParseVolumeDescription(
      "root = /early\n"              // 1: before any [volume]
      "[volume]\n"                   // 2
      "root = /card\n"               // 3
      "label\n"                      // 4: no "="
      "colour = red\n"               // 5: unknown key
      "sector_size = 512 bytes\n"    // 6
      "sector_size = 99999999999\n"  // 7
      "removable = maybe\n"          // 8
      "= 1\n"                        // 9: empty key
      "[card]\n"                     // 10: unknown section
      "root =\n"                     // 11: empty root
      "[volume]\n"                   // 12: no root at all
      "label = lost\n"               // 13
      "[volume]\n"                   // 14: same root as the first
      "root = /card/\n"              // 15
      "[volume]\n"                   // 16
      "root = /second\n"             // 17
      "sector_size=4096\n",          // 18
      "/base");
  ASSERT_EQ(description.volumes.size(), 2u);
  EXPECT_EQ(description.volumes[0].root, "/card/");
  // A bad line leaves the setting as it was.
  EXPECT_EQ(description.volumes[0].bytes_per_sector, 512u);
  EXPECT_TRUE(description.volumes[0].removable);
  EXPECT_EQ(description.volumes[1].root, "/second/");
  EXPECT_EQ(description.volumes[1].bytes_per_sector, 4096u);

  std::string lines;
  for (const std::string& problem : description.problems) {
    lines += problem.substr(0, problem.find(':')) + ",";
  }
  EXPECT_EQ(lines,
            "line 1,line 4,line 5,line 6,line 7,line 8,line 9,line 10,line 11,line 12,line 14,");

  const std::string with_nul = "[volume]\nroot = /x\n" + std::string("device = a\0b\n", 13);
  const VolumeDescription nul = ParseVolumeDescription(with_nul, "/base");
  ASSERT_EQ(nul.volumes.size(), 1u);
  EXPECT_EQ(nul.volumes[0].device_path, "");
  EXPECT_EQ(nul.problems, std::vector<std::string>{"line 3: NUL in line"});
}

class SimulatedProviderTest : public ::testing::Test {
 protected:
  SimulatedProviderTest() {
    provider_.AddListener([this](const VolumeChange& change) { heard_.push_back(change); });
  }

  std::string Root(const std::string& name) { return (dir_.path() / name).string() + "/"; }

  test::TempDir dir_;
  SimulatedVolumeProvider provider_;
  std::vector<VolumeChange> heard_;
};

TEST_F(SimulatedProviderTest, LoadingReportsTheDifference) {
  const std::filesystem::path file = dir_.path() / "cards.txt";
  ASSERT_TRUE(test::WriteFile(file, "[volume]\nroot = a\n[volume]\nroot = b\nbogus\n"));
  EXPECT_TRUE(provider_.Load(file));
  EXPECT_EQ(provider_.Volumes().size(), 2u);
  EXPECT_EQ(provider_.Volumes()[0].root, Root("a"));
  EXPECT_EQ(provider_.problems().size(), 1u);
  EXPECT_EQ(heard_, (std::vector<VolumeChange>{{VolumeEvent::kArrived, Root("a")},
                                               {VolumeEvent::kArrived, Root("b")}}));
  heard_.clear();

  // Card b taken out, c put in, a relabelled (no news).
  ASSERT_TRUE(test::WriteFile(file, "[volume]\nroot = a\nlabel = X\n[volume]\nroot = c\n"));
  EXPECT_TRUE(provider_.Load(file));
  EXPECT_TRUE(provider_.problems().empty());
  EXPECT_EQ(heard_, (std::vector<VolumeChange>{{VolumeEvent::kRemoved, Root("b")},
                                               {VolumeEvent::kArrived, Root("c")}}));
  heard_.clear();

  EXPECT_FALSE(provider_.Load(dir_.path() / "missing.txt"));
  EXPECT_FALSE(provider_.Load(dir_.path()));  // a folder is no description
  ASSERT_TRUE(test::WriteFile(file, std::string(2 * 1024 * 1024, '#')));
  EXPECT_FALSE(provider_.Load(file));
  EXPECT_TRUE(heard_.empty());
  EXPECT_EQ(provider_.Volumes().size(), 2u);
}

TEST_F(SimulatedProviderTest, InsertAndRemoveTellListeners) {
  Volume card;
  card.root = "/sim/card";
  card.removable = true;
  card.bytes_per_sector = 512;
  provider_.Insert(card);
  provider_.Insert(card);  // the same card again: out and in
  EXPECT_EQ(provider_.Volumes().size(), 1u);
  EXPECT_EQ(provider_.Volumes()[0].root, "/sim/card/");
  EXPECT_FALSE(provider_.Remove("/sim/other"));
  EXPECT_TRUE(provider_.Remove("/sim/card"));
  EXPECT_FALSE(provider_.Remove("/sim/card/"));
  EXPECT_TRUE(provider_.Volumes().empty());
  EXPECT_EQ(heard_, (std::vector<VolumeChange>{{VolumeEvent::kArrived, "/sim/card/"},
                                               {VolumeEvent::kRemoved, "/sim/card/"},
                                               {VolumeEvent::kArrived, "/sim/card/"},
                                               {VolumeEvent::kRemoved, "/sim/card/"}}));
}

TEST_F(SimulatedProviderTest, ListenersMayComeAndGoWhileBeingTold) {
  std::vector<std::string> calls;
  int second = 0;
  int late = 0;
  const int first = provider_.AddListener([&](const VolumeChange& change) {
    calls.push_back("first");
    provider_.RemoveListener(second);  // removed before its turn: not called
    late = provider_.AddListener([&](const VolumeChange&) { calls.push_back("late"); });
  });
  second = provider_.AddListener([&](const VolumeChange&) { calls.push_back("second"); });
  Volume card;
  card.root = "/sim/card/";
  provider_.Insert(card);
  EXPECT_EQ(calls, std::vector<std::string>{"first"});  // "late" joined after the walk began

  provider_.RemoveListener(first);
  calls.clear();
  provider_.Remove("/sim/card/");
  EXPECT_EQ(calls, std::vector<std::string>{"late"});
  provider_.RemoveListener(late);
  provider_.RemoveListener(12345);  // unknown ids are ignored
}

TEST(VolumeChanges, OnlyWhatAReaderReliesOnCounts) {
  Volume card;
  card.root = "/media/card/";
  card.device_path = "/dev/sdb";
  card.partition_path = "/dev/sdb1";
  card.bytes_per_sector = 512;
  card.mount_id = 40;
  const auto Diff = [&](auto change) {
    Volume after = card;
    change(after);
    return DiffVolumes({card}, {after});
  };
  const std::vector<VolumeChange> replaced = {{VolumeEvent::kRemoved, "/media/card/"},
                                              {VolumeEvent::kArrived, "/media/card/"}};
  EXPECT_TRUE(Diff([](Volume& v) { v.label = "NEW"; }).empty());
  EXPECT_TRUE(Diff([](Volume& v) { v.bytes_per_sector = 4096; }).empty());
  EXPECT_EQ(Diff([](Volume& v) { v.bytes_per_sector = 0; }), replaced);
  EXPECT_EQ(Diff([](Volume& v) { v.mount_id = 41; }), replaced);
  EXPECT_EQ(Diff([](Volume& v) { v.device_path = "/dev/sdc"; }), replaced);
  EXPECT_EQ(Diff([](Volume& v) { v.partition_path = "/dev/sdb2"; }), replaced);
  EXPECT_EQ(Diff([](Volume& v) { v.file_system = "exfat"; }), replaced);
  EXPECT_TRUE(DiffVolumes({}, {}).empty());
}

}  // namespace
}  // namespace vantrel::platform
