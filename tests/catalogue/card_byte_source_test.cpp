// The splitter's byte source for a recording on the open LyFS card: reads at any offset, and
// refuses anything but a file of the open card named by its identifier.
#include "catalogue/card_byte_source.h"

#include <gtest/gtest.h>

#include "catalogue/lyfs_card_scan.h"
#include "catalogue_test_support.h"
#include "lyfs_card_fixture.h"
#include "playback/card_source.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

class CardByteSourceTest : public ::testing::Test {
 protected:
  CardByteSourceTest() {
    test::SetUpNames(catalogue_);
    const std::string image = dir_.File("card.img");
    EXPECT_TRUE(test::MakeLyfsCardImage(image, 16,
                                        {{"EVENT", "EVT_20120815_143005.avi", bytes_},
                                         {"PARKING", "PRK_20120815_143000.avi", "parked"}}));
    SourceRecord card;
    card.device_path = image;
    card.kind = SourceKind::kLyfsCard;
    EXPECT_TRUE(ScanLyfsCard(catalogue_, card));
    for (const RecordingEntry& entry : catalogue_.entries()) {
      (entry.group == 2 ? event_ : parking_) = entry;
    }
    device_ = LyfsDeviceValue(catalogue_.lyfs_device());
  }

  // More than one 32 KiB cluster, so reads cross clusters.
  const std::string bytes_ = test::Pattern(200000, 7);
  test::TempDir dir_;
  RecordingCatalogue catalogue_;
  RecordingEntry event_, parking_;
  intptr_t device_ = 0;
};

TEST_F(CardByteSourceTest, ReadsTheFileAtAnyOffset) {
  // Through the factory the catalogue registers, as the splitter asks for it.
  const auto source = OpenCardSource(device_, event_.lyfs_file_id, event_.path);
  ASSERT_NE(source, nullptr);
  ASSERT_EQ(source->Size(), bytes_.size());

  std::string read(bytes_.size(), '\0');
  for (const uint64_t offset : {uint64_t{0}, uint64_t{32767}, uint64_t{150001}, uint64_t{12}}) {
    const size_t count = std::min<size_t>(70000, bytes_.size() - offset);
    ASSERT_EQ(source->ReadAt(offset, read.data(), count), count);
    EXPECT_EQ(read.substr(0, count), bytes_.substr(offset, count)) << offset;
  }
  // A read across the end stops there; at or past the end nothing is read.
  EXPECT_EQ(source->ReadAt(bytes_.size() - 10, read.data(), 100), 10u);
  EXPECT_EQ(read.substr(0, 10), bytes_.substr(bytes_.size() - 10));
  EXPECT_EQ(source->ReadAt(bytes_.size(), read.data(), 1), 0u);
  EXPECT_EQ(source->ReadAt(UINT64_MAX, read.data(), 1), 0u);
  EXPECT_FALSE(source->ReadExact(bytes_.size() - 1, read.data(), 2));
  EXPECT_TRUE(source->ReadExact(0, read.data(), bytes_.size()));
}

TEST_F(CardByteSourceTest, RefusesWhatIsNotAFileOfTheOpenCard) {
  // Another file's identifier, an identifier that marks a computer file, an unknown name.
  EXPECT_EQ(OpenCardSource(device_, parking_.lyfs_file_id, event_.path), nullptr);
  EXPECT_EQ(OpenCardSource(device_, -1, event_.path), nullptr);
  EXPECT_EQ(OpenCardSource(device_, 0, event_.path), nullptr);
  EXPECT_EQ(OpenCardSource(device_, event_.lyfs_file_id, "EVT_20120815_143006.avi"), nullptr);
  EXPECT_EQ(OpenCardSource(device_, event_.lyfs_file_id, "/EVENT/../" + event_.path), nullptr);
  // A device value that names no open card is never followed.
  EXPECT_EQ(OpenCardSource(device_ + 1, event_.lyfs_file_id, event_.path), nullptr);
  EXPECT_EQ(OpenCardSource(kFileSourceDevice, event_.lyfs_file_id, event_.path), nullptr);
  EXPECT_NE(OpenCardSource(device_, parking_.lyfs_file_id, parking_.path), nullptr);
}

}  // namespace
}  // namespace vantrel
