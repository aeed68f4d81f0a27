// Damaged and crafted cards: every call fails cleanly or leaves out what cannot be trusted, and
// nothing is read outside the device.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "lyfs/byte_io.h"
#include "lyfs/crc32.h"
#include "lyfs/file_slot.h"
#include "lyfs/lyfs.h"
#include "lyfs/memory_device.h"
#include "lyfs/superblock.h"
#include "lyfs/volume.h"
#include "lyfs_test_helpers.h"
#include "temp_dir.h"
#include "test_cards.h"

namespace vantrel::test {
namespace {

using lyfs::Extent;
using lyfs::SlotContent;
using lyfs::SlotKind;

class CardCorruptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QX_LyFS_Start();
    bytes_ = cards_.Add("card", 64 << 20).bytes;
    ASSERT_EQ(MakeLyfsCard("card", SmallSplit()), LYFS_OK);
    {
      OpenedCard card("card");
      ASSERT_EQ(PutBytes(card.block(), "EVENT", "a.avi", Pattern(100000, 1)), LYFS_OK);
      ASSERT_EQ(PutBytes(card.block(), "EVENT", "b.avi", Pattern(50000, 2)), LYFS_OK);
    }
    lyfs::MemoryDevice device(bytes_, false);
    const auto found = lyfs::FindLyfsPartition(device);
    ASSERT_TRUE(found);
    partition_ = found->entry;
    superblock_ = found->superblock;
  }
  void TearDown() override { QX_LyFS_Stop(); }

  uint64_t PrimaryOffset() const { return partition_.start_byte(); }
  uint64_t BackupOffset() const { return (partition_.end_sector() - 1) * lyfs::kSectorSize; }
  uint8_t* Slot(size_t area, uint32_t index) {
    const auto& geometry = superblock_.areas[area];
    return bytes_->data() + PrimaryOffset() + geometry.start_sector * lyfs::kSectorSize +
           size_t{index} * lyfs::kSlotSize;
  }
  void PutSlot(size_t area, uint32_t index, const SlotContent& content) {
    const auto encoded = lyfs::EncodeSlot(content);
    std::memcpy(Slot(area, index), encoded.data(), encoded.size());
  }
  // Makes a hand-edited slot's checksum right again, as a crafted card would.
  void Reseal(size_t area, uint32_t index) {
    uint8_t* slot = Slot(area, index);
    lyfs::Store32(slot + 252, lyfs::Crc32(slot, 252));
  }
  void PutSuperblock(const lyfs::Superblock& superblock) {
    const auto encoded = lyfs::EncodeSuperblock(superblock);
    std::memcpy(bytes_->data() + PrimaryOffset(), encoded.data(), encoded.size());
    std::memcpy(bytes_->data() + BackupOffset(), encoded.data(), encoded.size());
  }
  std::vector<std::string> EventNames() {
    OpenedCard card("card");
    std::vector<std::string> names;
    for (const auto& record : ListDirectory(card.block(), "EVENT").records) {
      names.push_back(record.name);
    }
    return names;
  }

  static constexpr size_t kEvent = 1;  // area index in SmallSplit
  TestCards cards_;
  std::shared_ptr<std::vector<uint8_t>> bytes_;
  lyfs::PartitionEntry partition_;
  lyfs::Superblock superblock_;
};

TEST_F(CardCorruptionTest, TheBackupSuperblockStandsInForADamagedPrimary) {
  (*bytes_)[PrimaryOffset() + 20] ^= 0x40;
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 1);
  EXPECT_EQ(EventNames(), (std::vector<std::string>{"a.avi", "b.avi"}));

  (*bytes_)[BackupOffset()] ^= 0x01;  // the magic
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition("card"), 0);
  OpenedCard card("card");
  EXPECT_EQ(card.result(), LYFS_ERROR_NOT_LYFS);
}

TEST_F(CardCorruptionTest, SuperblocksWithImpossibleGeometryAreRefused) {
  const auto refused = [&](const lyfs::Superblock& superblock) {
    PutSuperblock(superblock);
    OpenedCard card("card");
    return QX_LyFS_Check_LyFS_partition("card") == 0 && card.result() == LYFS_ERROR_NOT_LYFS;
  };
  lyfs::Superblock crafted = superblock_;
  crafted.areas[2].sectors = superblock_.partition_sectors;  // past the partition's end
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[0].table_capacity = lyfs::kMaxTableCapacity + 1;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[0].table_capacity = 100000;  // its table would need more sectors than it has
  crafted.areas[0].table_sectors = 8;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[1].start_sector = crafted.areas[0].start_sector + 8;  // overlapping areas
  crafted.areas[1].data_start_sector =
      crafted.areas[1].start_sector + crafted.areas[1].table_sectors;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[1].data_clusters = UINT32_MAX;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[1].name = crafted.areas[0].name;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas[0].cluster_shift = 40;
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.partition_sectors += 1;  // disagrees with the partition table
  EXPECT_TRUE(refused(crafted));
  crafted = superblock_;
  crafted.areas.resize(5, crafted.areas[0]);
  EXPECT_TRUE(refused(crafted));
}

TEST_F(CardCorruptionTest, ACardCutShortIsNoLyfsCardAndReadsStopCleanly) {
  TempDir temp;
  const std::string image = temp.File("card.img");
  ASSERT_TRUE(WriteFile(image, std::string(bytes_->begin(), bytes_->end())));
  {
    OpenedCard card(image);
    ASSERT_EQ(card.result(), LYFS_OK);
    const int id = ListDirectory(card.block(), "EVENT").records.at(0).id;
    const int handle = QX_LyFS_File_Open(card.block(), "a.avi", "r", 0, 0, id);
    ASSERT_GT(handle, 0);
    std::filesystem::resize_file(image, PrimaryOffset() + 4096);  // pulled mid-way
    std::vector<char> buffer(4096);
    EXPECT_EQ(QX_LyFS_File_Read(card.block(), buffer.data(), 4096, handle), LYFS_ERROR_DEVICE);
  }
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition(image.c_str()), 0);
  OpenedCard card(image);
  EXPECT_EQ(card.result(), LYFS_ERROR_NOT_LYFS);
  std::filesystem::resize_file(image, 100);  // not even a partition table
  EXPECT_EQ(QX_LyFS_Check_LyFS_partition(image.c_str()), 0);
}

TEST_F(CardCorruptionTest, ADamagedSlotHidesOnlyItsFileAndIsNeverOverwritten) {
  Slot(kEvent, 0)[30] ^= 0x10;  // inside a.avi's name: checksum now wrong
  EXPECT_EQ(EventNames(), std::vector<std::string>{"b.avi"});
  {
    OpenedCard card("card");
    ASSERT_EQ(PutBytes(card.block(), "EVENT", "c.avi", Pattern(200000, 3)), LYFS_OK);
  }
  // The new file took a fresh slot and clusters past the damaged file's.
  Slot(kEvent, 0)[30] ^= 0x10;
  OpenedCard card("card");
  EXPECT_EQ(ReadAll(card.block(), "a.avi", 0), Pattern(100000, 1));
  EXPECT_EQ(ReadAll(card.block(), "c.avi", 0), Pattern(200000, 3));
}

TEST_F(CardCorruptionTest, CraftedSlotsWithValidChecksumsAreLeftOut) {
  const uint32_t clusters = superblock_.areas[kEvent].data_clusters;
  const auto file = [](int32_t id, const std::string& name, uint64_t size,
                       std::vector<Extent> extents, uint32_t next = lyfs::kNoSlot) {
    return SlotContent{SlotKind::kFile, id, next, size, name, std::move(extents)};
  };
  const auto continuation = [](int32_t owner, std::vector<Extent> extents, uint32_t next) {
    return SlotContent{SlotKind::kContinuation, owner, next, 0, {}, std::move(extents)};
  };
  PutSlot(kEvent, 2, file(10, "outside.avi", 10, {{clusters - 1, 2}}));
  PutSlot(kEvent, 3, file(11, "overlap.avi", 10, {{3, 1}, {0, 1}}));  // a.avi owns cluster 0
  PutSlot(kEvent, 4, file(12, "selfoverlap.avi", 10, {{50, 4}, {52, 1}}));
  PutSlot(kEvent, 5, file(13, "loop.avi", 10, {{60, 1}}, 6));
  PutSlot(kEvent, 6, continuation(13, {{61, 1}}, 6));  // points at itself
  PutSlot(kEvent, 7, file(14, "stolen.avi", 10, {{70, 1}}, 8));
  PutSlot(kEvent, 8, continuation(99, {{71, 1}}, lyfs::kNoSlot));   // owned by another file
  PutSlot(kEvent, 9, file(15, "past.avi", 10, {{72, 1}}, 500000));  // beyond the table
  PutSlot(kEvent, 10, file(16, "short.avi", 40000, {{80, 1}}));     // 32 KiB cluster, 40000 bytes
  PutSlot(kEvent, 11, file(1, "sameid.avi", 10, {{90, 1}}));        // a.avi's identifier
  PutSlot(kEvent, 12, file(17, "a.avi", 10, {{91, 1}}));            // a.avi's name
  PutSlot(kEvent, 13, file(18, "nonul.avi", 10, {{92, 1}}));
  std::memset(Slot(kEvent, 13) + 24, 'n', 98);  // the name field without its NUL
  Reseal(kEvent, 13);
  PutSlot(kEvent, 14, file(19, "many.avi", 10, {{93, 1}}));
  lyfs::Store16(Slot(kEvent, 14) + 2, 200);  // more extents than the slot holds
  Reseal(kEvent, 14);
  PutSlot(kEvent, 15, file(20, "huge.avi", 10, {{94, 1}}));
  lyfs::Store64(Slot(kEvent, 15) + 16, uint64_t{1} << 40);
  Reseal(kEvent, 15);
  PutSlot(kEvent, 16, file(21, "kind.avi", 10, {{95, 1}}));
  Slot(kEvent, 16)[0] = 7;
  Reseal(kEvent, 16);
  PutSlot(kEvent, 17, file(22, "../escape", 10, {{96, 1}}));
  PutSlot(kEvent, 18, file(23, "chained.avi", 40000, {{100, 1}}, 19));  // the one sound file
  PutSlot(kEvent, 19, continuation(23, {{101, 1}}, lyfs::kNoSlot));
  PutSlot(kEvent, 20, continuation(23, {{102, 1}}, 19));  // a second way into slot 19

  EXPECT_EQ(EventNames(), (std::vector<std::string>{"a.avi", "b.avi", "chained.avi"}));
  OpenedCard card("card");
  EXPECT_EQ(ReadAll(card.block(), "a.avi", 0), Pattern(100000, 1));
  EXPECT_LT(QX_LyFS_File_Open(card.block(), "loop.avi", "r", 0, 0, 13), 0);
  // New files go past every readable slot's extents, even those of files left out.
  ASSERT_EQ(PutBytes(card.block(), "EVENT", "new.avi", "fresh"), LYFS_OK);
  card.Close();
  lyfs::MemoryDevice device(bytes_, false);
  auto volume = lyfs::Volume::Mount(device);
  ASSERT_TRUE(volume);
  const auto& files = volume->areas()[kEvent].files;
  ASSERT_EQ(files.back().name, "new.avi");
  EXPECT_EQ(files.back().extents.at(0).start, 103u);
  EXPECT_EQ(files.back().id, 24);  // above every file slot's identifier
}

}  // namespace
}  // namespace vantrel::test
