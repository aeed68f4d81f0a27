// Which volumes become sources, in which order and of which kind; the write check on the disk;
// and which source a chosen path opens.
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
  volumes.Insert(Removable("/media/f-locked/", locked));

  const DiskWriteCheck writable = [&](const std::string& path) { return path != locked; };
  EXPECT_EQ(EnumerateSources(catalogue_, volumes, writable), 3);
  const std::vector<SourceRecord>& sources = catalogue_.sources();
  ASSERT_EQ(sources.size(), 3u);
  EXPECT_EQ(sources[0].root, "/media/a-fat/");
  EXPECT_EQ(sources[0].device_path, fat);
  EXPECT_EQ(sources[0].kind, SourceKind::kFatCard);
  EXPECT_EQ(sources[0].drive_index, 0);
  EXPECT_EQ(sources[1].root, "/media/z-lyfs/");
  EXPECT_EQ(sources[1].device_path, lyfs);
  EXPECT_EQ(sources[1].kind, SourceKind::kLyfsCard);
  EXPECT_EQ(sources[1].drive_index, 6);
  EXPECT_EQ(sources[2].root, kComputerSourceName);
  EXPECT_EQ(sources[2].kind, SourceKind::kComputerFolder);
  EXPECT_EQ(sources[2].device_path, "");

  // Rebuilt, not appended to; with no card only the computer is left.
  platform::SimulatedVolumeProvider none;
  EXPECT_EQ(EnumerateSources(catalogue_, none, writable), 1);
  EXPECT_EQ(catalogue_.sources().back().kind, SourceKind::kComputerFolder);
}

TEST_F(SourceListTest, DiskMustOpenForReadingAndWriting) {
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
}

// A pipe, a character device or a folder named as a volume's disk is refused on what it is,
// before the write check or the LyFS library opens it (opening a pipe or a terminal acts on it).
TEST_F(SourceListTest, APathThatIsNoDiskIsRefusedBeforeAnythingOpensIt) {
  const std::string pipe = dir_.File("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string image = dir_.File("fat.img");
  std::vector<std::string> opened;
  const DiskWriteCheck spy = [&](const std::string& path) {
    opened.push_back(path);
    return true;
  };
  for (const std::string& path : {pipe, std::string("/dev/null"), dir_.path().string(), image}) {
    SourceRecord record;
    record.root = "untouched";
    const bool probed = ProbeLyfsDrive(Removable("/media/x/", path), 3, &record, spy);
    EXPECT_EQ(probed, path == image) << path;
    EXPECT_EQ(record.root, path == image ? "/media/x/" : "untouched") << path;
  }
  EXPECT_EQ(opened, std::vector<std::string>{image});
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
