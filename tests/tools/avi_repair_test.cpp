#include "tools/avi_repair.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "avi/byte_order.h"
#include "avi/byte_sink.h"
#include "avi/byte_source.h"
#include "repaired_file.h"
#include "temp_dir.h"
#include "tools/movie_chunk_walk.h"

namespace vantrel::test {
namespace {

// Runs the rebuild on files, as the player does, and returns the output ("" when false).
std::string Repair(const std::string& header, const std::string& movie, bool audio_less,
                   uint32_t riff_size, bool* rebuilt = nullptr) {
  TempDir dir;
  WriteFile(dir.File("h"), header);
  WriteFile(dir.File("m"), movie);
  const bool result =
      tools::AviRepair(dir.File("h"), dir.File("m"), dir.File("out"), audio_less, riff_size);
  if (rebuilt) *rebuilt = result;
  return ReadFile(dir.File("out"));
}

// 600 frames at 30 per second, a key frame every 30 with a text chunk after it.
std::vector<FakeChunk> TwentySeconds() {
  std::vector<FakeChunk> chunks;
  for (int frame = 0; frame < 600; ++frame) {
    chunks.push_back(VideoChunk(frame % 30 == 0 ? 5 : 1));
    if (frame % 30 == 0) chunks.push_back({"01tx", "M\x01\x02\x03"});
  }
  return chunks;
}

TEST(AviRepair, TwentySecondsWithoutSoundGainTwoHundredSilentChunks) {
  const std::string header = FakeHeaderPart({"vids", "txts"}, 1000, 1, 30, 600);
  const std::string movie = FakeMoviePart(TwentySeconds(), true);
  bool rebuilt = false;
  const std::string out = Repair(header, movie, true, Le32At(header, 4), &rebuilt);
  ASSERT_TRUE(rebuilt);
  const ParsedRecording parsed = ParseRepaired(out);
  ASSERT_TRUE(parsed.sizes_agree);

  // The header: 100 bytes longer, three streams, the silent list after the video's.
  EXPECT_EQ(Le32At(out, 16), Le32At(header, 16) + 100);
  EXPECT_EQ(Le32At(out, 56), 3u);
  EXPECT_EQ(Le32At(out, 48), 7u) << "total frames untouched when only sound is added";
  EXPECT_EQ(out.substr(212, 4), "LIST");
  EXPECT_EQ(out.substr(232, 4), "auds");
  EXPECT_EQ(Le32At(out, 212 + 52), 441000u) << "A x 2205 samples";
  EXPECT_EQ(Le32At(out, 212 + 84), 0x00010001u) << "PCM, mono";
  EXPECT_EQ(out.substr(332, 4), "txts") << "the text stream list follows unchanged";
  EXPECT_EQ(out.substr(0, 212), header.substr(0, 4) + out.substr(4, 4) + header.substr(8, 8) +
                                    out.substr(16, 4) + header.substr(20, 36) + out.substr(56, 4) +
                                    header.substr(60, 152));
  EXPECT_EQ(out.substr(312), header.substr(212) + out.substr(header.size() + 100));
  // The recorder's RIFF size of this file is its true one; it grows by 4434 x 200 + 100.
  const uint32_t true_riff = static_cast<uint32_t>(header.size() + movie.size() - 8);
  EXPECT_EQ(Le32At(out, 4), true_riff + 4434u * 200 + 100);

  // Chunk by chunk: silent chunks after video chunks 4, 7, 10, ... and the 200th at the end.
  int video = 0, silent = 0, interleaved = 0;
  std::vector<int> silent_after;
  for (size_t i = 0; i < parsed.chunks.size(); ++i) {
    const std::string& id = parsed.chunks[i].id;
    EXPECT_NE(id, "01tx");
    if (id == "00dc") ++video;
    if (id == "01wb") {
      ++silent;
      EXPECT_EQ(parsed.chunks[i].size, 4410u);
      if (i + 1 < parsed.chunks.size()) ++interleaved;
      if (silent <= 3) silent_after.push_back(video);
    }
  }
  EXPECT_EQ(video, 600);
  EXPECT_EQ(silent, 200);
  EXPECT_EQ(interleaved, 199);
  EXPECT_EQ(silent_after, (std::vector<int>{4, 7, 10}));
  EXPECT_EQ(parsed.chunks.back().id, "01wb");
  EXPECT_EQ(parsed.chunks[parsed.chunks.size() - 2].id, "00dc");

  // The index: one entry per chunk, offsets from "movi", padded sizes, key flags.
  ASSERT_EQ(parsed.index.size(), parsed.chunks.size());
  EXPECT_EQ(parsed.index[0].offset, 4u);
  for (size_t i = 0; i < parsed.index.size(); ++i) {
    const IndexEntry& entry = parsed.index[i];
    EXPECT_EQ(entry.id, parsed.chunks[i].id);
    EXPECT_EQ(entry.offset, parsed.chunks[i].offset);
    if (entry.id == "00dc") {
      EXPECT_EQ(entry.size, 8u) << "7 bytes padded";
    }
    const bool key = entry.id == "01wb" || entry.id == "02tx" || (i == 0);
    if (entry.id != "00dc" || i == 0) {
      EXPECT_EQ(entry.flags, key ? 0x10u : 0u) << i;
    }
  }
  EXPECT_EQ(parsed.index[0].flags, 0x10u) << "IDR frame";
  EXPECT_EQ(parsed.index[1].id, "02tx") << "text renamed behind the new audio stream";
  EXPECT_EQ(parsed.index[2].flags, 0u) << "a P frame is not key";
}

TEST(AviRepair, InterruptedRecordingKeepsItsCompleteChunks) {
  // Three streams (video, audio, text) and a last chunk cut short.
  const std::string header = FakeHeaderPart({"vids", "auds", "txts"}, 0, 1001, 30000, 0);
  std::vector<FakeChunk> chunks = {VideoChunk(7, 9), {"01wb", std::string(100, '\0')},
                                   {"02tx", "M123"}, VideoChunk(1, 9),
                                   VideoChunk(1, 9), {"02tx", "GPRMC"}};
  std::string movie = FakeMoviePart(chunks, false);
  movie += "00dc";
  movie += std::string("\x40\x00\x00\x00", 4) + "cut";  // 64 bytes announced, 3 present
  bool rebuilt = false;
  const std::string out = Repair(header, movie, false, 0, &rebuilt);
  ASSERT_TRUE(rebuilt);
  const ParsedRecording parsed = ParseRepaired(out);
  ASSERT_TRUE(parsed.sizes_agree);
  // Streams kept: only the frame counts (checked below) and the sizes change.
  EXPECT_EQ(parsed.header.substr(60, 80), header.substr(60, 80));
  EXPECT_EQ(parsed.header.substr(144), header.substr(144));
  ASSERT_EQ(parsed.chunks.size(), 6u);
  EXPECT_EQ(parsed.chunks.back().id, "02tx");
  EXPECT_EQ(Le32At(out, 48), 3u);
  EXPECT_EQ(Le32At(out, 56), 3u);
  EXPECT_EQ(Le32At(out, 140), 3u) << "first stream's length";
  const std::vector<uint32_t> flags = {0x10, 0, 0x10, 0, 0, 0x10};
  for (size_t i = 0; i < flags.size(); ++i) EXPECT_EQ(parsed.index[i].flags, flags[i]) << i;
  EXPECT_EQ(parsed.index[5].size, 6u) << "GPRMC padded";
}

TEST(AviRepair, InterruptedRecordingWithoutSoundCountsFrontFramesOnly) {
  // Two channels: rear frames ("01dc") neither count as frames nor move the clock.
  const std::string header = FakeHeaderPart({"vids", "vids", "txts"}, 0, 1, 10, 0);
  std::vector<FakeChunk> chunks;
  for (int i = 0; i < 20; ++i) {
    chunks.push_back(VideoChunk(1));
    chunks.push_back(VideoChunk(1, 7, "01dc"));
  }
  std::string movie = FakeMoviePart(chunks, false);
  movie += "JUNK";  // an unknown identifier ends the chunks
  movie.append(12, '\0');
  const std::string out = Repair(header, movie, false, 0);
  const ParsedRecording parsed = ParseRepaired(out);
  ASSERT_TRUE(parsed.sizes_agree);
  EXPECT_EQ(parsed.chunks.size(), 40u);
  EXPECT_EQ(Le32At(out, 48), 20u);

  // Audio-less and interrupted: 20 frames at 10 per second give 20 silent chunks.
  const std::string plain = FakeHeaderPart({"vids", "txts"}, 0, 1, 10, 0);
  std::vector<FakeChunk> with_text;
  for (int i = 0; i < 20; ++i) with_text.push_back(VideoChunk(i == 0 ? 5 : 1));
  with_text.push_back({"01tx", "M..."});
  const std::string repaired = Repair(plain, FakeMoviePart(with_text, false), true, 0);
  const ParsedRecording again = ParseRepaired(repaired);
  ASSERT_TRUE(again.sizes_agree);
  EXPECT_EQ(again.chunks.size(), 41u);
  EXPECT_EQ(again.chunks[1].id, "01wb") << "one frame is 1000 units: a silent chunk follows each";
  EXPECT_EQ(again.chunks[39].id, "01wb") << "all 20 interleaved, none left to append";
  EXPECT_EQ(again.chunks[40].id, "02tx");
  EXPECT_EQ(again.index[40].flags, 0x10u);
}

TEST(AviRepair, LargeChunksAndManyIndexEntriesAreCopiedWhole) {
  const std::string header = FakeHeaderPart({"vids", "auds", "txts"}, 0, 1, 30, 0);
  std::vector<FakeChunk> chunks = {VideoChunk(5, 2500001)};
  for (int i = 0; i < 70000; ++i) chunks.push_back({"01wb", "ab"});
  const std::string out = Repair(header, FakeMoviePart(chunks, false), false, 0);
  const ParsedRecording parsed = ParseRepaired(out);
  ASSERT_TRUE(parsed.sizes_agree);
  EXPECT_EQ(parsed.chunks.size(), 70001u);
  EXPECT_EQ(parsed.index.size(), 70001u);
  EXPECT_EQ(parsed.index[0].size, 2500002u);
  EXPECT_EQ(parsed.index[70000].offset, 4u + 8 + 2500002 + 69999u * 10);
}

TEST(AviRepair, UnusableInputsGiveFalseAndNoOutput) {
  const std::string header = FakeHeaderPart({"vids", "txts"}, 0, 1, 30, 100);
  const std::string movie = FakeMoviePart({VideoChunk(5)}, false);
  bool rebuilt = true;
  const auto expect_refused = [&](const std::string& h, const std::string& m, uint32_t riff,
                                  const char* what) {
    const std::string out = Repair(h, m, true, riff, &rebuilt);
    EXPECT_FALSE(rebuilt) << what;
    EXPECT_TRUE(out.empty()) << what;
  };
  expect_refused(header.substr(0, 100), movie, 0, "header part shorter than its list");
  std::string far = header;
  far.replace(28, 4, std::string("\xF0\xFF\xFF\xFF", 4));  // main header beyond everything
  expect_refused(far, movie, 0, "main header size out of range");
  expect_refused(FakeHeaderPart({"vids", "txts"}, 0, 0, 30, 100), movie, 0, "zero scale");
  expect_refused(FakeHeaderPart({"vids", "txts"}, 0, 1, 0, 100), movie, 0, "zero rate");
  expect_refused(FakeHeaderPart({"vids", "txts"}, 9, 1, 30, 0), movie, 9, "zero length");
  expect_refused(header, FakeMoviePart({{"01tx", "M..."}}, false), 0, "no front video frame");
  expect_refused(header, "LIST", 0, "movie part too short");
  expect_refused(header, FakeMoviePart({}, false), 0, "no complete chunk");
  std::string cut = FakeMoviePart({VideoChunk(5, 7)}, false);
  expect_refused(header, cut.substr(0, cut.size() - 1), 0, "only chunk cut short");
  // Ten seconds per frame for 2^32-1 frames would need more silence than a RIFF file holds.
  expect_refused(FakeHeaderPart({"vids", "txts"}, 9, 1000, 1, 0xFFFFFFFF), movie, 9,
                 "silence beyond 4 GB");
}

// A movie part of `size` bytes: the list header, then "01wb" chunks of chunk_size data bytes
// back to back, made up as they are read, so parts of gigabytes cost neither disk nor memory.
class GeneratedMovie : public avi::ByteSource {
 public:
  GeneratedMovie(uint64_t size, uint32_t chunk_size) : size_(size), chunk_size_(chunk_size) {}
  uint64_t Size() const override { return size_; }
  size_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    for (; done < size && offset + done < size_; ++done) out[done] = ByteAt(offset + done);
    return done;
  }

 private:
  uint8_t ByteAt(uint64_t at) const {
    static const std::string list("LIST\0\0\0\0movi", 12);
    if (at < list.size()) return static_cast<uint8_t>(list[at]);
    const uint64_t in_chunk = (at - list.size()) % (8 + uint64_t{chunk_size_});
    uint8_t header[8] = {'0', '1', 'w', 'b'};
    avi::StoreLe32(header + 4, chunk_size_);
    return in_chunk < 8 ? header[in_chunk] : 0;
  }

  uint64_t size_;
  uint32_t chunk_size_;
};

// Counts what is appended without keeping it.
class CountingSink : public avi::ByteSink {
 public:
  bool Append(const void*, size_t size) override {
    size_ += size;
    return true;
  }
  bool WriteAt(uint64_t, const void*, size_t) override { return false; }
  uint64_t Size() const override { return size_; }

 private:
  uint64_t size_ = 0;
};

TEST(AviRepair, CraftedPartsAreRefusedOrBoundedBeforeTheyCostMemoryOrDisk) {
  // Chunks whose output passes 4 GiB: refused while only counted, none of them held.
  GeneratedMovie huge((5ull << 30) + 12, 65536);
  const tools::MovieChunkWalk counted = tools::WalkDataChunks(huge, tools::WalkKeeps::kCounts);
  EXPECT_TRUE(counted.too_large);
  EXPECT_TRUE(counted.chunks.empty());
  EXPECT_LE(counted.total + 16 * counted.count, 0xFFFFFFFFull);
  avi::MemoryByteSource header(FakeHeaderPart({"vids", "auds"}, 0, 1, 30, 0));
  CountingSink refused;
  EXPECT_FALSE(tools::RebuildAvi(header, huge, refused, false, 0));
  EXPECT_EQ(refused.Size(), 0u);
  // Under the limit the same walk is taken.
  GeneratedMovie fits((1ull << 20) + 12, 1000);
  EXPECT_FALSE(tools::WalkDataChunks(fits).too_large);
  EXPECT_EQ(tools::WalkDataChunks(fits).chunks.size(), (1u << 20) / 1008);

  // A header list over 1 MB is not read, however well formed.
  std::string wide = FakeHeaderPart({"vids", "txts"}, 0, 1, 30, 0);
  const std::string movie = FakeMoviePart({VideoChunk(5), VideoChunk(1)}, false);
  wide.append(1 << 20, '\0');
  avi::StoreLe32(reinterpret_cast<uint8_t*>(wide.data()) + 16, Le32At(wide, 16) + (1 << 20));
  bool rebuilt = true;
  EXPECT_TRUE(Repair(wide, movie, false, 0, &rebuilt).empty());
  EXPECT_FALSE(rebuilt);

  // A stream length of 900000 frames (over eight hours) on one second of video: the silence
  // follows the video present, not the length.
  std::vector<FakeChunk> second;
  for (int frame = 0; frame < 30; ++frame) second.push_back(VideoChunk(frame == 0 ? 5 : 1));
  const std::string long_header = FakeHeaderPart({"vids", "txts"}, 9, 1, 30, 900000);
  avi::MemoryByteSource long_part(long_header);
  avi::MemoryByteSource one_second(FakeMoviePart(second, true));
  avi::MemorySink bounded;
  ASSERT_TRUE(tools::RebuildAvi(long_part, one_second, bounded, true, 9));
  const ParsedRecording parsed = ParseRepaired(bounded.bytes());
  ASSERT_TRUE(parsed.sizes_agree);
  const auto silent = std::count_if(parsed.chunks.begin(), parsed.chunks.end(),
                                    [](const ParsedChunk& chunk) { return chunk.id == "01wb"; });
  EXPECT_GE(silent, 10);
  EXPECT_LE(silent, 11);
}

}  // namespace
}  // namespace vantrel::test
