// The bytes on a card are those FORMAT.md promises, so that a recorder written from that
// document and this library read each other's cards.
#include <gtest/gtest.h>

#include <cstring>

#include "lyfs/byte_io.h"
#include "lyfs/crc32.h"
#include "lyfs/lyfs.h"
#include "lyfs_test_helpers.h"
#include "test_cards.h"

namespace vantrel::test {
namespace {

using lyfs::Load16;
using lyfs::Load32;
using lyfs::Load64;

TEST(OnCardFormatTest, SuperblockAndSlotsHaveTheDocumentedLayout) {
  const uint8_t check[] = "123456789";
  EXPECT_EQ(lyfs::Crc32(check, 9), 0xCBF43926u);  // the common CRC-32

  TestCards cards;
  const auto& card = *cards.Add("card", 96 << 20).bytes;
  ASSERT_EQ(MakeLyfsCard("card", {{"EVENT", 30, 1000, 2}, {"PARKING", 70, 100, 5}}), LYFS_OK);
  {
    OpenedCard opened("card");
    ASSERT_EQ(PutBytes(opened.block(), "EVENT", "EVT_1.avi", Pattern(10000, 1)), LYFS_OK);
  }
  const uint8_t* entry = card.data() + 446 + 16;  // partition 2
  ASSERT_EQ(entry[4], 0xDA);
  const uint64_t start = Load32(entry + 8);
  const uint64_t sectors = Load32(entry + 12);

  const uint8_t* super = card.data() + start * 512;
  EXPECT_EQ(std::memcmp(super, "LYFSSUPR", 8), 0);
  EXPECT_EQ(Load16(super + 8), 1);
  EXPECT_EQ(Load32(super + 12), 512u);
  EXPECT_EQ(Load64(super + 16), sectors);
  EXPECT_EQ(Load32(super + 24), 512u);
  EXPECT_EQ(Load32(super + 28), 2u);
  EXPECT_EQ(Load32(super + 508), lyfs::Crc32(super, 508));
  EXPECT_EQ(std::memcmp(super, card.data() + (start + sectors - 1) * 512, 512), 0);  // backup

  const uint8_t* event = super + 48;
  EXPECT_STREQ(reinterpret_cast<const char*>(event), "EVENT");
  EXPECT_EQ(Load32(event + 64), 30u);
  EXPECT_EQ(Load32(event + 68), 12u);  // 2^(10 + 2): 4 KiB clusters
  const uint64_t area_start = Load64(event + 72);
  EXPECT_EQ(area_start, 2048u);  // 1 MiB into a partition of 64 MiB or more
  EXPECT_EQ(Load32(event + 88), 1000u);
  const uint32_t table_sectors = Load32(event + 92);
  EXPECT_EQ(table_sectors, 504u);  // 1000 slots of 256 bytes, rounded up to 4 KiB clusters
  EXPECT_EQ(Load64(event + 96), area_start + table_sectors);
  EXPECT_STREQ(reinterpret_cast<const char*>(super + 48 + 112), "PARKING");

  const uint8_t* slot = super + area_start * 512;
  EXPECT_EQ(slot[0], 1);
  EXPECT_EQ(Load16(slot + 2), 1);
  EXPECT_EQ(Load32(slot + 4), 1u);
  EXPECT_EQ(Load32(slot + 8), 0xFFFFFFFFu);
  EXPECT_EQ(Load64(slot + 16), 10000u);
  EXPECT_STREQ(reinterpret_cast<const char*>(slot + 24), "EVT_1.avi");
  EXPECT_EQ(Load32(slot + 128), 0u);  // first cluster
  EXPECT_EQ(Load32(slot + 132), 3u);  // ceil(10000 / 4096) clusters, trimmed at close
  EXPECT_EQ(Load32(slot + 252), lyfs::Crc32(slot, 252));
  const uint8_t* data = super + (area_start + table_sectors) * 512;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), 10000), Pattern(10000, 1));
  EXPECT_EQ(slot[256], 0);  // the next slot is free
}

}  // namespace
}  // namespace vantrel::test
