#include "avi/riff_writer.h"

#include <gtest/gtest.h>

#include "avi/byte_order.h"
#include "avi/index_builder.h"
#include "temp_dir.h"

namespace vantrel::avi {
namespace {

uint32_t At(const std::string& bytes, size_t offset) {
  return ReadLe32(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

TEST(RiffWriter, NestedListsGetTheirSizesAndOddChunksArePadded) {
  MemorySink sink;
  RiffWriter writer(sink);
  ASSERT_TRUE(writer.BeginRiff(kAviForm));
  ASSERT_TRUE(writer.BeginList(kMovieList));
  ASSERT_TRUE(writer.WriteChunk(FourCc("00dc"), "abc"));
  ASSERT_TRUE(writer.WriteChunk(FourCc("02tx"), "wxyz"));
  uint64_t movi_size_field = 0;
  ASSERT_TRUE(writer.EndList(&movi_size_field));
  ASSERT_TRUE(writer.EndList());
  EXPECT_EQ(writer.open_lists(), 0u);

  const std::string& bytes = sink.bytes();
  ASSERT_EQ(bytes.size(), 12u + 12u + 12u + 12u);
  EXPECT_EQ(At(bytes, 0), kRiff);
  EXPECT_EQ(At(bytes, 4), bytes.size() - 8);
  EXPECT_EQ(movi_size_field, 16u);
  EXPECT_EQ(At(bytes, 16), 4u + 12u + 12u);
  EXPECT_EQ(At(bytes, 28), 3u);  // unpadded size in the header
  EXPECT_EQ(bytes[35], '\0');    // pad byte
  EXPECT_EQ(At(bytes, 36), FourCc("02tx"));
}

TEST(RiffWriter, FailuresAreStickyAndReported) {
  MemorySink sink;
  RiffWriter writer(sink);
  EXPECT_FALSE(writer.EndList());  // no list open
  EXPECT_FALSE(writer.ok());
  EXPECT_FALSE(writer.WriteChunk(FourCc("00dc"), "ab"));
  EXPECT_TRUE(sink.bytes().empty());

  MemorySink other;
  RiffWriter patcher(other);
  ASSERT_TRUE(patcher.Write32(1));
  EXPECT_FALSE(patcher.Patch32(2, 7));  // would run past what was written
  EXPECT_FALSE(patcher.ok());
}

TEST(RiffWriter, FileSinkPatchesInPlaceAndKeepsAppending) {
  test::TempDir dir;
  const std::string path = dir.File("out.avi");
  {
    FileSink sink;
    ASSERT_TRUE(sink.Open(path));
    RiffWriter writer(sink);
    ASSERT_TRUE(writer.BeginRiff(kAviForm));
    ASSERT_TRUE(writer.WriteChunk(FourCc("JUNK"), "12345"));
    ASSERT_TRUE(writer.EndList());
    ASSERT_TRUE(writer.WriteBytes("tail"));
    ASSERT_TRUE(sink.Close());
  }
  const std::string bytes = test::ReadFile(path);
  ASSERT_EQ(bytes.size(), 12u + 14u + 4u);
  EXPECT_EQ(At(bytes, 4), 4u + 14u);
  EXPECT_EQ(bytes.substr(26), "tail");

  FileSink missing;
  EXPECT_FALSE(missing.Open(dir.File("no/such/folder/x.avi")));
}

TEST(IndexBuilder, EntriesCountFromTheMovieListType) {
  IndexBuilder index(1000);
  EXPECT_TRUE(index.Add(FourCc("00dc"), kIndexKeyFrame, 1004, 77));
  EXPECT_FALSE(index.Add(FourCc("00dc"), 0, 999, 1));  // before the list
  EXPECT_FALSE(index.Add(FourCc("00dc"), 0, 1000 + (uint64_t{1} << 32), 1));
  ASSERT_EQ(index.count(), 1u);
  const std::string& entries = index.entries();
  EXPECT_EQ(At(entries, 0), FourCc("00dc"));
  EXPECT_EQ(At(entries, 4), kIndexKeyFrame);
  EXPECT_EQ(At(entries, 8), 4u);
  EXPECT_EQ(At(entries, 12), 77u);

  MemorySink sink;
  RiffWriter writer(sink);
  ASSERT_TRUE(index.WriteTo(writer));
  EXPECT_EQ(At(sink.bytes(), 0), kIndex);
  EXPECT_EQ(At(sink.bytes(), 4), 16u);
}

}  // namespace
}  // namespace vantrel::avi
