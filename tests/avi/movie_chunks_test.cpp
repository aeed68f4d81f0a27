#include <gtest/gtest.h>

#include "avi/avi_index.h"
#include "avi/avi_reader.h"
#include "avi/movie_scan.h"
#include "avi_test_file.h"

namespace vantrel::avi {
namespace {

using test::BuildAvi;
using test::Id;
using test::TestAvi;

const FourCcValue kVideo0 = Id(0, ChunkKind::kVideo);
const FourCcValue kAudio1 = Id(1, ChunkKind::kAudio);
const FourCcValue kText2 = Id(2, ChunkKind::kText);

TestAvi Recording() {
  TestAvi avi;
  avi.streams = {test::VideoStream(1, 30), test::PcmStream(), test::TextStream()};
  avi.chunks = {{kText2, std::string("M\x01\x02\x03", 4), kIndexKeyFrame},
                {kVideo0, test::KeyFrame(), kIndexKeyFrame},
                {kAudio1, std::string(441, 'a'), kIndexKeyFrame},  // odd: padded
                {kVideo0, test::DeltaFrame(), 0},
                {kText2, "GPRMC,1", kIndexKeyFrame}};
  avi.total_frames = 2;
  return avi;
}

MovieScan Scan(const std::string& bytes) {
  MemoryByteSource source(bytes);
  const auto header = ReadAviHeader(source);
  EXPECT_TRUE(header);
  return header ? ScanMovie(source, *header) : MovieScan{};
}

std::string ChunkBytes(const char* id, uint32_t size, std::string data) {
  std::string bytes(id, 4);
  bytes.resize(8);
  test::PutLe32(bytes, 4, size);
  return bytes + data;
}

TEST(MovieScan, FindsEveryWholeChunkWithOffsetAndSize) {
  const std::string bytes = BuildAvi(Recording());
  const MovieScan scan = Scan(bytes);
  EXPECT_EQ(scan.stop, ScanStop::kEnd);
  ASSERT_EQ(scan.chunks.size(), 5u);
  EXPECT_EQ(scan.chunks[2].id, kAudio1);
  EXPECT_EQ(scan.chunks[2].size, 441u);
  EXPECT_EQ(scan.chunks[3].offset, scan.chunks[2].offset + 8 + 442);
  for (const ChunkRef& chunk : scan.chunks) {
    EXPECT_EQ(test::Le32At(bytes, chunk.offset), chunk.id);
    EXPECT_EQ(chunk.flags, 0u);
  }
}

TEST(MovieScan, StopsAtTheFirstBrokenOrUnknownChunk) {
  TestAvi avi = Recording();
  avi.interrupted = true;
  const std::string whole = BuildAvi(avi);

  // Cut inside the last chunk's data, then inside its header: four chunks remain.
  for (size_t cut : {3u, 12u}) {
    const MovieScan scan = Scan(whole.substr(0, whole.size() - cut));
    EXPECT_EQ(scan.stop, ScanStop::kCutShort) << cut;
    EXPECT_EQ(scan.chunks.size(), 4u) << cut;
  }
  // Only the pad byte of the last chunk missing: the data is whole, so is the chunk.
  TestAvi odd = avi;
  odd.chunks.back().data = "GPRMC,12";
  odd.chunks.back().data.pop_back();
  const std::string odd_bytes = BuildAvi(odd);
  EXPECT_EQ(Scan(odd_bytes.substr(0, odd_bytes.size() - 1)).chunks.size(), 5u);

  // A chunk of a stream the file does not have, and an identifier that is no stream chunk.
  for (const char* id : {"05dc", "ix00", "00xx"}) {
    TestAvi strange = avi;
    strange.chunks.insert(strange.chunks.begin() + 2, {FourCc("00dc"), "x", 0});
    std::string bytes = BuildAvi(strange);
    const size_t at = Scan(bytes).chunks[2].offset;
    bytes.replace(at, 4, id);
    const MovieScan scan = Scan(bytes);
    EXPECT_EQ(scan.stop, ScanStop::kUnknownChunk) << id;
    EXPECT_EQ(scan.chunks.size(), 2u) << id;
  }

  // A chunk whose size runs past the end of the file.
  std::string past_end = whole;
  test::PutLe32(past_end, Scan(whole).chunks[1].offset + 4, 0xFFFFFFF0);
  EXPECT_EQ(Scan(past_end).chunks.size(), 1u);
}

TEST(MovieScan, SkipsFillerAndStepsIntoRecordLists) {
  TestAvi avi = Recording();
  avi.interrupted = true;
  std::string bytes = BuildAvi(avi);
  const std::vector<ChunkRef> plain = Scan(bytes).chunks;
  const size_t second = plain[1].offset;
  const std::string filler =
      ChunkBytes("JUNK", 3, std::string("abc\0", 4)) + ChunkBytes("LIST", 4, "rec ");
  bytes.insert(second, filler);
  const MovieScan scan = Scan(bytes);
  EXPECT_EQ(scan.stop, ScanStop::kEnd);
  ASSERT_EQ(scan.chunks.size(), plain.size());
  EXPECT_EQ(scan.chunks[1].offset, second + filler.size());
}

TEST(AviIndex, AgreesWithTheScanAndKeepsItsFlags) {
  const std::string bytes = BuildAvi(Recording());
  MemoryByteSource source(bytes);
  const auto header = ReadAviHeader(source);
  ASSERT_TRUE(header);
  EXPECT_EQ(IndexEntryCount(*header), 5u);
  const auto indexed = ReadIndex(source, *header);
  const auto scanned = ScanMovie(source, *header).chunks;
  ASSERT_EQ(indexed.size(), scanned.size());
  for (size_t i = 0; i < indexed.size(); ++i) {
    EXPECT_EQ(indexed[i].id, scanned[i].id) << i;
    EXPECT_EQ(indexed[i].offset, scanned[i].offset) << i;
    EXPECT_EQ(indexed[i].size, scanned[i].size) << i;
  }
  EXPECT_EQ(indexed[1].flags, kIndexKeyFrame);
  EXPECT_EQ(indexed[3].flags, 0u);
}

TEST(AviIndex, UnderstandsFileOffsetsAndDropsEntriesThatPointOutside) {
  const std::string relative = BuildAvi(Recording());
  MemoryByteSource relative_source(relative);
  const auto header = ReadAviHeader(relative_source);
  ASSERT_TRUE(header && header->index);
  const auto expected = ReadIndex(relative_source, *header);

  // The same index with file offsets.
  std::string absolute = relative;
  const uint64_t base = header->movie->type_offset();
  for (uint64_t at = header->index->begin; at < header->index->end; at += 16) {
    test::PutLe32(absolute, at + 8, static_cast<uint32_t>(test::Le32At(absolute, at + 8) + base));
  }
  MemoryByteSource absolute_source(absolute);
  const auto from_file_offsets = ReadIndex(absolute_source, *header);
  ASSERT_EQ(from_file_offsets.size(), expected.size());
  EXPECT_EQ(from_file_offsets[4].offset, expected[4].offset);

  // An entry pointing past the end, one of a huge size and one of an unknown stream go.
  std::string broken = relative;
  test::PutLe32(broken, header->index->begin + 8, 0xFFFFFF00);
  test::PutLe32(broken, header->index->begin + 16 + 12, 0xFFFFFFFF);
  broken.replace(header->index->begin + 32, 4, "09wb");
  MemoryByteSource broken_source(broken);
  const auto kept = ReadIndex(broken_source, *header);
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].offset, expected[3].offset);
}

TEST(AviReader, UsesTheIndexOnlyForCompleteFiles) {
  const std::string complete = BuildAvi(Recording());
  MemoryByteSource complete_source(complete);
  auto contents = ReadAvi(complete_source);
  ASSERT_TRUE(contents);
  EXPECT_TRUE(contents->from_index);
  EXPECT_EQ(contents->chunks.size(), 5u);

  // RIFF size 0 with the index still in place: the index is not trusted, the scan is used.
  std::string zero = complete;
  test::PutLe32(zero, 4, 0);
  MemoryByteSource zero_source(zero);
  contents = ReadAvi(zero_source);
  ASSERT_TRUE(contents);
  EXPECT_FALSE(contents->from_index);
  EXPECT_EQ(contents->chunks.size(), 5u);

  // An index of nothing but strays falls back to the scan as well.
  TestAvi no_index = Recording();
  no_index.with_index = false;
  MemoryByteSource no_index_source(BuildAvi(no_index));
  contents = ReadAvi(no_index_source);
  ASSERT_TRUE(contents);
  EXPECT_FALSE(contents->from_index);
  EXPECT_EQ(contents->chunks.size(), 5u);
}

TEST(ChunkData, ReadsTheDataOnlyWhereTheHeaderMatches) {
  const std::string bytes = BuildAvi(Recording());
  MemoryByteSource source(bytes);
  auto contents = ReadAvi(source);
  ASSERT_TRUE(contents);
  std::vector<uint8_t> data;
  ChunkRef audio = contents->chunks[2];
  audio.size = 442;  // an index may carry the padded size
  ASSERT_TRUE(ReadChunkData(source, audio, data));
  EXPECT_EQ(data.size(), 441u);

  ChunkRef wrong = contents->chunks[1];
  wrong.id = kText2;
  EXPECT_FALSE(ReadChunkData(source, wrong, data));
  ChunkRef outside = contents->chunks[1];
  outside.offset = bytes.size() - 4;
  EXPECT_FALSE(ReadChunkData(source, outside, data));
}

}  // namespace
}  // namespace vantrel::avi
