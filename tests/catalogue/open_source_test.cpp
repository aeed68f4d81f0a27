// Opening sources: a FAT card as a whole, a folder on it as the computer's, a LyFS card through
// the library, and the open card's device closed before anything else is opened and when the
// catalogue goes.
#include "catalogue/open_source.h"

#include <gtest/gtest.h>

#include <memory>

#include "catalogue/lyfs_device.h"
#include "catalogue/source_list.h"
#include "catalogue_test_support.h"
#include "lyfs/byte_io.h"
#include "lyfs_card_fixture.h"
#include "playback/card_source.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

SourceRecord Card(const std::string& root, const std::string& device, SourceKind kind) {
  SourceRecord source;
  source.root = root;
  source.device_path = device;
  source.kind = kind;
  return source;
}

// Whether the library still takes the block as an open device.
bool StillOpen(LyfsDeviceBlock block) {
  int32_t cursor = 1;
  std::vector<uint8_t> list(LYFS_LIST_BUFFER_SIZE);
  lyfs::Store32(list.data(), LYFS_LIST_CAPACITY);
  return QX_LyFS_Get_FileList(block.bytes.data(), "EVENT", &cursor, list.data(), 0) !=
         LYFS_ERROR_HANDLE;
}

class OpenSourceTest : public ::testing::Test {
 protected:
  OpenSourceTest() {
    test::SetUpNames(*catalogue_);
    fat_root_ = dir_.File("fat") + "/";
    test::WriteFile(fat_root_ + "QX_RECBOX/MP4_EVENT/EVT_20120815_143010_1.avi", "e");
    test::WriteFile(fat_root_ + "QX_RECBOX/MP4_INFINITE/REC_20120815_143000_1.avi", "r");
    test::WriteFile(fat_root_ + "setup.cfg", "");
    lyfs_image_ = dir_.File("lyfs.img");
    EXPECT_TRUE(
        test::MakeLyfsCardImage(lyfs_image_, 16,
                                {{"EVENT", "EVT_20120815_143005.avi", test::Pattern(5000, 1)},
                                 {"INFINITE", "REC_20120815_143000.avi", test::Pattern(3000, 2)}}));
    catalogue_->SetSources(
        {Card(fat_root_, dir_.File("fat.img"), SourceKind::kFatCard),
         Card(dir_.File("lyfs") + "/", lyfs_image_, SourceKind::kLyfsCard),
         Card(std::string(kComputerSourceName), "", SourceKind::kComputerFolder)});
  }

  test::TempDir dir_;
  std::string fat_root_;
  std::string lyfs_image_;
  std::unique_ptr<RecordingCatalogue> catalogue_ = std::make_unique<RecordingCatalogue>();
};

TEST_F(OpenSourceTest, FatCardOpensWholeAndAFolderOnItAsTheComputers) {
  ASSERT_TRUE(OpenSource(*catalogue_, 0, {"ignored"}, ItemOrigin::kPicked));
  EXPECT_EQ(catalogue_->open_source_kind(), SourceKind::kFatCard);
  EXPECT_EQ(catalogue_->opened_source_index(), 0);
  ASSERT_EQ(catalogue_->entries().size(), 2u);
  // Sorted by recording time; full paths; group 0.
  EXPECT_EQ(catalogue_->entries()[0].path,
            fat_root_ + "QX_RECBOX/MP4_INFINITE/REC_20120815_143000_1.avi");
  EXPECT_EQ(catalogue_->entries()[1].name, "EVT_20120815_143010_1.avi");
  for (const RecordingEntry& entry : catalogue_->entries()) EXPECT_EQ(entry.group, 0);
  ASSERT_FALSE(catalogue_->folders().empty());
  EXPECT_EQ(catalogue_->folders().back().path, fat_root_);
  EXPECT_EQ(catalogue_->folders().back().count, 1);

  const std::string folder = fat_root_ + "QX_RECBOX";
  const int index = SourceIndexForPath(*catalogue_, folder);
  EXPECT_EQ(index, 2);
  ASSERT_TRUE(OpenSource(*catalogue_, index, {folder}, ItemOrigin::kDropped));
  EXPECT_EQ(catalogue_->open_source_kind(), SourceKind::kComputerFolder);
  EXPECT_EQ(catalogue_->opened_source_index(), 2);
  ASSERT_EQ(catalogue_->entries().size(), 2u);
  for (const RecordingEntry& entry : catalogue_->entries()) EXPECT_EQ(entry.group, 1);
}

TEST_F(OpenSourceTest, OpeningAnotherSourceClosesTheLyfsCardFirst) {
  ASSERT_TRUE(OpenSource(*catalogue_, 1, {}, ItemOrigin::kPicked));
  EXPECT_EQ(catalogue_->open_source_kind(), SourceKind::kLyfsCard);
  EXPECT_EQ(catalogue_->opened_source_index(), 1);
  ASSERT_EQ(catalogue_->entries().size(), 2u);
  EXPECT_EQ(catalogue_->entries()[0].name, "REC_20120815_143000.avi");
  EXPECT_EQ(catalogue_->entries()[0].group, 1);
  const RecordingEntry event = catalogue_->entries()[1];
  EXPECT_EQ(event.group, 2);
  ASSERT_NE(catalogue_->lyfs_device(), nullptr);
  const LyfsDeviceBlock block = *catalogue_->lyfs_device();
  const intptr_t device = LyfsDeviceValue(catalogue_->lyfs_device());
  EXPECT_TRUE(StillOpen(block));
  auto playing = OpenCardSource(device, event.lyfs_file_id, event.path);
  ASSERT_NE(playing, nullptr);
  // The splitter reads at any offset; a read across the end stops there.
  const std::string bytes = test::Pattern(5000, 1);
  std::string read(100, '\0');
  ASSERT_EQ(playing->Size(), bytes.size());
  EXPECT_EQ(playing->ReadAt(1234, read.data(), 100), 100u);
  EXPECT_EQ(read, bytes.substr(1234, 100));
  EXPECT_EQ(playing->ReadAt(4990, read.data(), 100), 10u);
  EXPECT_EQ(read.substr(0, 10), bytes.substr(4990));
  EXPECT_EQ(playing->ReadAt(UINT64_MAX, read.data(), 1), 0u);
  // Only a file of the open card, named with its own identifier: never another file, an
  // identifier that marks a computer file, or a device value that names no open card.
  const RecordingEntry& other = catalogue_->entries()[0];
  EXPECT_EQ(OpenCardSource(device, other.lyfs_file_id, event.path), nullptr);
  EXPECT_EQ(OpenCardSource(device, -1, event.path), nullptr);
  EXPECT_EQ(OpenCardSource(device, event.lyfs_file_id, "/EVENT/../" + event.path), nullptr);
  EXPECT_EQ(OpenCardSource(device + 1, event.lyfs_file_id, event.path), nullptr);

  // A negative index changes nothing; an index past the list fails after closing the card.
  EXPECT_FALSE(OpenSource(*catalogue_, -1, {}, ItemOrigin::kPicked));
  EXPECT_TRUE(StillOpen(block));
  EXPECT_FALSE(OpenSource(*catalogue_, 3, {}, ItemOrigin::kPicked));
  EXPECT_EQ(catalogue_->lyfs_device(), nullptr);
  EXPECT_FALSE(StillOpen(block));
  EXPECT_EQ(catalogue_->opened_source_index(), 1);

  // Neither a new source nor one made before can read the closed card.
  EXPECT_EQ(OpenCardSource(device, event.lyfs_file_id, event.path), nullptr);
  char byte = 0;
  EXPECT_EQ(playing->ReadAt(0, &byte, 1), 0u);

  ASSERT_TRUE(OpenSource(*catalogue_, 1, {}, ItemOrigin::kPicked));
  const LyfsDeviceBlock reopened = *catalogue_->lyfs_device();
  ASSERT_TRUE(OpenSource(*catalogue_, 0, {}, ItemOrigin::kPicked));
  EXPECT_FALSE(StillOpen(reopened));
}

TEST_F(OpenSourceTest, CardThatCannotBeOpenedLeavesAnEmptyCatalogue) {
  ASSERT_TRUE(OpenSource(*catalogue_, 0, {}, ItemOrigin::kPicked));
  catalogue_->SetSources({Card("/media/broken/", dir_.File("missing.img"), SourceKind::kLyfsCard),
                          Card(std::string(kComputerSourceName), "", SourceKind::kComputerFolder)});
  testing::internal::CaptureStdout();
  EXPECT_FALSE(OpenSource(*catalogue_, 0, {}, ItemOrigin::kPicked));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "LYFS drive cannot be opened\n");
  EXPECT_TRUE(catalogue_->entries().empty());
  EXPECT_EQ(catalogue_->open_source_kind(), SourceKind::kLyfsCard);
  EXPECT_EQ(catalogue_->opened_source_index(), 0);  // still the FAT card's, opened before
}

TEST_F(OpenSourceTest, CatalogueClosesItsCardWhenItGoes) {
  ASSERT_TRUE(OpenSource(*catalogue_, 1, {}, ItemOrigin::kPicked));
  const LyfsDeviceBlock block = *catalogue_->lyfs_device();
  const intptr_t device = LyfsDeviceValue(catalogue_->lyfs_device());
  const RecordingEntry entry = catalogue_->entries()[0];
  catalogue_.reset();
  EXPECT_FALSE(StillOpen(block));
  EXPECT_EQ(OpenCardSource(device, entry.lyfs_file_id, entry.path), nullptr);
}

// Blocks opened one after the other often share an address; their values never do, so a value
// kept from the first open names nothing once it is closed.
TEST_F(OpenSourceTest, AReopenedCardGetsAValueThatNeverRepeats) {
  std::vector<intptr_t> values;
  const LyfsDeviceBlock* first_block = nullptr;
  bool address_reused = false;
  for (int open = 0; open < 4; ++open) {
    ASSERT_TRUE(OpenSource(*catalogue_, 1, {}, ItemOrigin::kPicked));
    if (first_block == nullptr) first_block = catalogue_->lyfs_device();
    address_reused = address_reused || (open > 0 && catalogue_->lyfs_device() == first_block);
    values.push_back(LyfsDeviceValue(catalogue_->lyfs_device()));
  }
  const RecordingEntry entry = catalogue_->entries()[0];
  for (size_t k = 0; k < values.size(); ++k) {
    EXPECT_GT(values[k], 0);
    for (size_t before = 0; before < k; ++before) EXPECT_NE(values[before], values[k]);
    const bool current = k + 1 == values.size();
    EXPECT_EQ(OpenLyfsDeviceAt(values[k]).has_value(), current) << "open " << k;
    EXPECT_EQ(OpenCardSource(values[k], entry.lyfs_file_id, entry.path) != nullptr, current);
  }
  EXPECT_EQ(LyfsDeviceValue(nullptr), kFileSourceDevice);
  // Not asserted (the allocator decides), but it is the case this guards against.
  if (!address_reused) GTEST_LOG_(INFO) << "no block address was reused in this run";
}

}  // namespace
}  // namespace vantrel
