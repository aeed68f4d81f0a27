// Which volumes become sources, in which order and of which kind, also for a user who may not
// write the disk; and which source a chosen path opens.
#include "catalogue/source_list.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "catalogue/drive_probe.h"
#include "catalogue_test_support.h"
#include "lyfs_card_fixture.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

platform::Volume Removable(const std::string& root, const std::string& device) {
  platform::Volume volume;
  volume.root = root;
  volume.removable = true;
  volume.bytes_per_sector = 512;
  volume.device_path = device;
  return volume;
}

SourceRecord Source(const std::string& root, SourceKind kind) {
  SourceRecord source;
  source.root = root;
  source.kind = kind;
  return source;
}

class SourceListTest : public ::testing::Test {
 protected:
  SourceListTest() {
    test::SetUpNames(catalogue_);
    test::WriteFile(dir_.path() / "fat.img", std::string(1 << 20, '\0'));
  }

  test::TempDir dir_;
  RecordingCatalogue catalogue_;
};

TEST_F(SourceListTest, OffersRemovableCardsOffTheSystemDiskInRootOrderThenTheComputer) {
  const std::string lyfs = dir_.File("lyfs.img");
  ASSERT_TRUE(test::MakeLyfsCardImage(lyfs, 8, {}));
  const std::string fat = dir_.File("fat.img");
  const std::string locked = dir_.File("locked.img");
  test::WriteFile(locked, std::string(4096, '\0'));

  platform::SimulatedVolumeProvider volumes;
  volumes.Insert(Removable("/media/z-lyfs/", lyfs));
  volumes.Insert(Removable("/media/a-fat/", fat));
  platform::Volume system = Removable("/media/b-system/", fat);
  system.system_disk = true;
  volumes.Insert(system);
  platform::Volume fixed = Removable("/media/c-fixed/", fat);
  fixed.removable = false;
  volumes.Insert(fixed);
  platform::Volume empty_reader = Removable("/media/d-reader/", fat);
  empty_reader.bytes_per_sector = 0;
  volumes.Insert(empty_reader);
  volumes.Insert(Removable("/media/e-no-disk/", ""));
  ::chmod(locked.c_str(), 0444);
  volumes.Insert(Removable("/media/f-locked/", locked));

  EXPECT_EQ(EnumerateSources(catalogue_, volumes), 4);
  const std::vector<SourceRecord>& sources = catalogue_.sources();
  ASSERT_EQ(sources.size(), 4u);
  EXPECT_EQ(sources[0].root, "/media/a-fat/");
  EXPECT_EQ(sources[0].device_path, fat);
  EXPECT_EQ(sources[0].kind, SourceKind::kFatCard);
  EXPECT_EQ(sources[0].drive_index, 0);
  // A disk nobody may write to is a card all the same.
  EXPECT_EQ(sources[1].root, "/media/f-locked/");
  EXPECT_EQ(sources[1].kind, SourceKind::kFatCard);
  EXPECT_EQ(sources[1].drive_index, 5);
  EXPECT_EQ(sources[2].root, "/media/z-lyfs/");
  EXPECT_EQ(sources[2].device_path, lyfs);
  EXPECT_EQ(sources[2].kind, SourceKind::kLyfsCard);
  EXPECT_EQ(sources[2].drive_index, 6);
  EXPECT_EQ(sources[3].root, kComputerSourceName);
  EXPECT_EQ(sources[3].kind, SourceKind::kComputerFolder);
  EXPECT_EQ(sources[3].device_path, "");

  // Rebuilt, not appended to; with no card only the computer is left.
  platform::SimulatedVolumeProvider none;
  EXPECT_EQ(EnumerateSources(catalogue_, none), 1);
  EXPECT_EQ(catalogue_.sources().back().kind, SourceKind::kComputerFolder);
}

TEST_F(SourceListTest, KindComesFromUdevWithoutOpeningTheDisk) {
  const std::string lyfs = dir_.File("lyfs.img");
  ASSERT_TRUE(test::MakeLyfsCardImage(lyfs, 8, {}));
  platform::SimulatedVolumeProvider volumes;
  // A disk node that does not exist here: only what udev recorded can make it a LyFS card.
  platform::Volume unreadable = Removable("/media/a/", dir_.File("no-such-disk"));
  unreadable.lyfs_partition = true;
  volumes.Insert(unreadable);
  platform::Volume recorded_fat = Removable("/media/b/", lyfs);
  recorded_fat.lyfs_partition = false;
  volumes.Insert(recorded_fat);
  ASSERT_EQ(EnumerateSources(catalogue_, volumes), 3);
  EXPECT_EQ(catalogue_.sources()[0].kind, SourceKind::kLyfsCard);
  EXPECT_EQ(catalogue_.sources()[1].kind, SourceKind::kFatCard);
}

TEST_F(SourceListTest, LyfsImageAnOrdinaryUserMayOnlyReadIsOffered) {
  // The folder must let an ordinary user reach the files, so that only their modes decide.
  fs::permissions(dir_.path(),
                  fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  const std::string image = dir_.File("card.img");
  ASSERT_TRUE(test::MakeLyfsCardImage(image, 8, {}));
  ::chmod(image.c_str(), 0644);
  const auto offered = test::AsOrdinaryUser([&] {
    platform::SimulatedVolumeProvider volumes;
    volumes.Insert(Removable("/media/card/", image));
    RecordingCatalogue catalogue;
    return EnumerateSources(catalogue, volumes) == 2 &&
           catalogue.sources()[0].kind == SourceKind::kLyfsCard;
  });
  if (!offered) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_TRUE(*offered);
}

TEST_F(SourceListTest, SettingsListOnlyCardsWhoseDiskOpensForWriting) {
  // The folder must let an ordinary user reach the files, so that only their modes decide.
  fs::permissions(dir_.path(),
                  fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  const std::string open_image = dir_.File("open.img");
  const std::string read_only_image = dir_.File("read-only.img");
  test::WriteFile(open_image, std::string(4096, '\0'));
  test::WriteFile(read_only_image, std::string(4096, '\0'));
  ::chmod(open_image.c_str(), 0666);
  ::chmod(read_only_image.c_str(), 0444);

  const auto open_as_user = test::AsOrdinaryUser([&] { return CanOpenForWriting(open_image); });
  const auto locked_as_user =
      test::AsOrdinaryUser([&] { return CanOpenForWriting(read_only_image); });
  if (!open_as_user || !locked_as_user) GTEST_SKIP() << "cannot run as an ordinary user here";
  EXPECT_TRUE(*open_as_user);
  EXPECT_FALSE(*locked_as_user);

  // Nothing that is not a disk or an image passes, even when it opens for writing.
  EXPECT_FALSE(CanOpenForWriting(dir_.path().string()));
  EXPECT_FALSE(CanOpenForWriting("/dev/null"));
  EXPECT_FALSE(CanOpenForWriting(dir_.File("missing.img")));

  platform::SimulatedVolumeProvider volumes;
  volumes.Insert(Removable("/media/a/", open_image));
  volumes.Insert(Removable("/media/b/", read_only_image));
  const auto writable = [&](const std::string& path) { return path == open_image; };
  const std::vector<CardVolume> cards = ListCardVolumes(volumes, writable);
  ASSERT_EQ(cards.size(), 1u);
  EXPECT_EQ(cards[0].source.root, "/media/a/");
}

// A pipe, a character device or a folder named as a volume's disk is refused on what it is,
// before the LyFS library opens it (opening a pipe waits for a writer; a terminal acts on it).
TEST_F(SourceListTest, APathThatIsNoDiskIsRefusedBeforeAnythingOpensIt) {
  const std::string pipe = dir_.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string image = dir_.File("fat.img");
  for (const std::string& path : {pipe, std::string("/dev/null"), dir_.path().string(), image}) {
    SourceRecord record;
    record.root = "untouched";
    const bool probed = ProbeLyfsDrive(Removable("/media/x/", path), 3, &record);
    EXPECT_EQ(probed, path == image) << path;
    EXPECT_EQ(record.root, path == image ? "/media/x/" : "untouched") << path;
  }
  EXPECT_FALSE(CanOpenForWriting(pipe));
}

TEST_F(SourceListTest, OnlyACardsExactRootOpensTheCard) {
  catalogue_.SetSources({Source("/media/CARD/", SourceKind::kFatCard),
                         Source("/media/LYFS/", SourceKind::kLyfsCard),
                         Source("/media/CARD/", SourceKind::kLyfsCard),
                         Source(std::string(kComputerSourceName), SourceKind::kComputerFolder)});
  EXPECT_EQ(SourceIndexForPath(catalogue_, "/media/LYFS/"), 1);
  EXPECT_EQ(SourceIndexForPath(catalogue_, "/media/CARD/"), 2);  // the later equal root
  for (const char* path : {"/media/CARD", "/media/card/", "/media/CARD/QX_RECBOX", "/media/", "",
                           "내 컴퓨터에서 찾기"}) {
    EXPECT_EQ(SourceIndexForPath(catalogue_, path), 3) << path;
  }
  catalogue_.SetSources({});
  EXPECT_EQ(SourceIndexForPath(catalogue_, "/media/CARD/"), -1);
}

}  // namespace
}  // namespace vantrel
