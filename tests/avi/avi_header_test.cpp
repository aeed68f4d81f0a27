#include "avi/avi_header.h"

#include <gtest/gtest.h>

#include "avi_test_file.h"

namespace vantrel::avi {
namespace {

using test::BuildAvi;
using test::Id;
using test::TestAvi;

std::optional<AviHeader> Read(const std::string& bytes, AviHeaderError* error = nullptr) {
  MemoryByteSource source(bytes);
  return ReadAviHeader(source, error);
}

TestAvi OneChannel(bool audio) {
  TestAvi avi;
  avi.streams.push_back(test::VideoStream(1, 30));
  avi.streams[0].header.length = 2;
  if (audio) avi.streams.push_back(test::PcmStream());
  avi.streams.push_back(test::TextStream());
  avi.total_frames = 2;
  avi.chunks = {{Id(0, ChunkKind::kVideo), test::KeyFrame(), kIndexKeyFrame},
                {Id(0, ChunkKind::kVideo), test::DeltaFrame(), 0}};
  return avi;
}

TEST(AviHeader, ReadsTheHeaderFactsAndEveryStream) {
  TestAvi avi = OneChannel(true);
  avi.streams[0] = test::VideoStream(1001, 30000, 320, 180, "avcC");
  avi.streams[0].header.length = 2;
  avi.streams[0].header.suggested_buffer_size = 4096;
  const std::string bytes = BuildAvi(avi);
  const auto header = Read(bytes);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->file_size, bytes.size());
  EXPECT_EQ(header->riff_size, bytes.size() - 8);
  EXPECT_EQ(header->header_list_size, test::Le32At(bytes, 16));
  EXPECT_EQ(header->main_header_size, 56u);
  EXPECT_EQ(header->main.total_frames, 2u);
  EXPECT_EQ(header->main.streams, 3u);
  ASSERT_EQ(header->streams.size(), 3u);

  const StreamInfo& video = header->streams[0];
  EXPECT_EQ(video.header.type, kVideoStream);
  EXPECT_EQ(FourCcText(video.header.handler), "H264");
  EXPECT_EQ(video.header.scale, 1001u);
  EXPECT_EQ(video.header.rate, 30000u);
  EXPECT_EQ(video.header.length, 2u);
  EXPECT_EQ(video.header.suggested_buffer_size, 4096u);
  ASSERT_TRUE(video.video);
  EXPECT_EQ(video.video->width, 320);
  EXPECT_EQ(video.video->height, 180);
  EXPECT_EQ(video.video->extra, "avcC");
  EXPECT_FALSE(video.audio);

  const StreamInfo& audio = header->streams[1];
  ASSERT_TRUE(audio.audio);
  EXPECT_EQ(audio.header.sample_size, 2u);
  EXPECT_EQ(audio.audio->format_tag, kWaveFormatPcm);
  EXPECT_EQ(audio.audio->samples_per_second, 22050u);
  EXPECT_EQ(audio.audio->bits_per_sample, 16u);
  EXPECT_EQ(header->streams[2].header.type, kTextStream);

  ASSERT_TRUE(header->movie);
  EXPECT_FALSE(header->movie->open_ended);
  EXPECT_EQ(test::Le32At(bytes, header->movie->type_offset()), kMovieList);
  ASSERT_TRUE(header->index);
  EXPECT_EQ(header->index->size(), 2u * 16);
}

TEST(AviHeader, AudioLessRuleLooksAtByte232AndTheStreamCount) {
  // Video and text only: the second stream's type "txts" sits at byte 232.
  const std::string two_streams = BuildAvi(OneChannel(false));
  ASSERT_EQ(two_streams[232], 't');
  EXPECT_TRUE(Read(two_streams)->audio_less);

  // Video, audio, text: byte 232 is "auds".
  const std::string three_streams = BuildAvi(OneChannel(true));
  EXPECT_EQ(three_streams[232], 'a');
  EXPECT_FALSE(Read(three_streams)->audio_less);

  // Front, rear, text: byte 232 is "vids".
  TestAvi two_channel = OneChannel(false);
  two_channel.streams.insert(two_channel.streams.begin() + 1, test::VideoStream(1, 30));
  EXPECT_FALSE(Read(BuildAvi(two_channel))->audio_less);

  // Text at 232 but a stream count other than 2 (the rule reads both facts).
  std::string wrong_count = two_streams;
  test::PutLe32(wrong_count, 56, 3);
  EXPECT_FALSE(Read(wrong_count)->audio_less);
}

TEST(AviHeader, RefusesWhatIsNotAWholeAviHeader) {
  const std::string good = BuildAvi(OneChannel(false));
  AviHeaderError error;

  EXPECT_FALSE(Read("", &error));
  EXPECT_EQ(error, AviHeaderError::kNotAvi);
  std::string wave = good;
  wave.replace(8, 4, "WAVE");
  EXPECT_FALSE(Read(wave, &error));
  EXPECT_EQ(error, AviHeaderError::kNotAvi);

  // Cut inside the header list.
  EXPECT_FALSE(Read(good.substr(0, 200), &error));
  EXPECT_EQ(error, AviHeaderError::kHeaderIncomplete);

  for (uint32_t size : {0xFFFFFFFFu, 0u, 3u}) {
    std::string bad_size = good;
    test::PutLe32(bad_size, 16, size);
    EXPECT_FALSE(Read(bad_size, &error)) << size;
    EXPECT_EQ(error, AviHeaderError::kHeaderIncomplete) << size;
  }

  std::string no_main = good;
  no_main.replace(24, 4, "avix");
  EXPECT_FALSE(Read(no_main, &error));
  EXPECT_EQ(error, AviHeaderError::kNoMainHeader);
}

TEST(AviHeader, BrokenInnerSizesEndTheWalkWithoutReadingOutside) {
  const std::string good = BuildAvi(OneChannel(true));
  // The second stream list claims 0xFFFFFFFF bytes: it and everything after it are left out.
  std::string huge_list = good;
  test::PutLe32(huge_list, 216, 0xFFFFFFFF);
  auto header = Read(huge_list);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->streams.size(), 1u);

  // A stream header too short to hold its fields: the stream stays, typeless.
  std::string short_strh = good;
  test::PutLe32(short_strh, 104, 8);
  header = Read(short_strh);
  ASSERT_TRUE(header);
  ASSERT_FALSE(header->streams.empty());
  EXPECT_EQ(header->streams[0].header.type, 0u);

  // A format block shorter than its record: no format, no crash.
  std::string short_strf = good;
  test::PutLe32(short_strf, 168, 12);
  header = Read(short_strf);
  ASSERT_TRUE(header);
  EXPECT_FALSE(header->streams[0].video);
}

TEST(AviHeader, StreamCountIsCappedAtOneHundred) {
  TestAvi avi;
  for (int i = 0; i < 150; ++i) avi.streams.push_back(test::TextStream());
  const auto header = Read(BuildAvi(avi));
  ASSERT_TRUE(header);
  EXPECT_EQ(header->main.streams, 150u);
  EXPECT_EQ(header->streams.size(), kMaxStreams);
}

TEST(AviHeader, InterruptedFileHasAnOpenEndedMovieListAndNoIndex) {
  TestAvi avi = OneChannel(false);
  avi.interrupted = true;
  std::string bytes = BuildAvi(avi);
  bytes.resize(bytes.size() - 3);  // cut inside the last chunk
  auto header = Read(bytes);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->riff_size, 0u);
  ASSERT_TRUE(header->movie);
  EXPECT_TRUE(header->movie->open_ended);
  EXPECT_EQ(header->movie->chunks.end, bytes.size());
  EXPECT_FALSE(header->index);

  // A movie list that claims 0xFFFFFFFF bytes is read to the end of the file as well.
  std::string huge = BuildAvi(OneChannel(false));
  test::PutLe32(huge, header->movie->list_offset + 4, 0xFFFFFFFF);
  header = Read(huge);
  ASSERT_TRUE(header);
  EXPECT_TRUE(header->movie->open_ended);
  EXPECT_EQ(header->movie->chunks.end, huge.size());
}

TEST(AviHeader, FindsTheMovieListBehindFillerAndCutsAShortIndex) {
  TestAvi avi = OneChannel(false);
  std::string bytes = BuildAvi(avi);
  const auto plain = Read(bytes);
  ASSERT_TRUE(plain && plain->movie && plain->index);
  // A JUNK chunk between the header list and the movie list.
  const size_t movi = plain->movie->list_offset;
  std::string junk("JUNK\x05\0\0\0abcde\0", 14);
  bytes.insert(movi, junk);
  test::PutLe32(bytes, 4, test::Le32At(bytes, 4) + 14);
  auto header = Read(bytes);
  ASSERT_TRUE(header && header->movie);
  EXPECT_EQ(header->movie->list_offset, movi + 14);

  // A RIFF size that ends inside the header does not hide the movie list or the index.
  std::string small_riff = bytes;
  test::PutLe32(small_riff, 4, 100);
  header = Read(small_riff);
  ASSERT_TRUE(header && header->movie && header->index);
  EXPECT_FALSE(header->movie->open_ended);

  // The index cut in the middle of its second entry keeps only the whole first one.
  bytes.resize(bytes.size() - 9);
  header = Read(bytes);
  ASSERT_TRUE(header && header->index);
  EXPECT_EQ(header->index->size(), 16u);
}

}  // namespace
}  // namespace vantrel::avi
