// Tiny AVI files built in memory for the reader and splitter tests, laid out the way the
// recorder lays out its files (avih, then one strl per stream with a 56-byte strh and its strf,
// then movi and idx1), with switches for the broken variants.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "avi/avi_headers.h"
#include "avi/byte_order.h"
#include "avi/index_builder.h"
#include "avi/riff_writer.h"
#include "avi/stream_chunk_id.h"

namespace vantrel::avi::test {

struct TestStream {
  StreamHeader header;
  std::string format;  // the strf bytes
};

struct TestChunk {
  FourCcValue id = 0;
  std::string data;
  uint32_t flags = 0;
};

struct TestAvi {
  std::vector<TestStream> streams;
  std::vector<TestChunk> chunks;
  bool with_index = true;
  // An interrupted recording: RIFF and movi sizes 0, no index, header totals 0.
  bool interrupted = false;
  uint32_t total_frames = 0;
};

inline TestStream VideoStream(uint32_t scale, uint32_t rate, int32_t width = 64,
                              int32_t height = 36, std::string extra = {}) {
  TestStream stream;
  stream.header.type = kVideoStream;
  stream.header.handler = FourCc("H264");
  stream.header.scale = scale;
  stream.header.rate = rate;
  BitmapInfo format;
  format.width = width;
  format.height = height;
  format.compression = FourCc("H264");
  format.extra = std::move(extra);
  stream.format = ToBytes(format);
  return stream;
}

inline TestStream PcmStream(uint32_t sample_rate = 22050) {
  TestStream stream;
  stream.header.type = kAudioStream;
  stream.header.scale = 1;
  stream.header.rate = sample_rate;
  stream.header.sample_size = 2;
  WaveFormat format;
  format.format_tag = kWaveFormatPcm;
  format.channels = 1;
  format.samples_per_second = sample_rate;
  format.average_bytes_per_second = sample_rate * 2;
  format.block_align = 2;
  format.bits_per_sample = 16;
  stream.format = ToBytes(format);
  return stream;
}

inline TestStream AacStream(uint32_t sample_rate = 44100) {
  TestStream stream;
  stream.header.type = kAudioStream;
  stream.header.scale = 1024;
  stream.header.rate = sample_rate;
  WaveFormat format;
  format.format_tag = kWaveFormatRawAac;
  format.channels = 2;
  format.samples_per_second = sample_rate;
  format.extra = std::string("\x12\x10", 2);
  stream.format = ToBytes(format);
  return stream;
}

inline TestStream TextStream() {
  TestStream stream;
  stream.header.type = kTextStream;
  stream.header.scale = 1;
  stream.header.rate = 1000;
  return stream;
}

// Annex B access units: an IDR picture with its parameter sets, and a P picture.
inline std::string KeyFrame(char tag = 'K') {
  return std::string("\0\0\0\x01\x67\x42\0\x1e\0\0\0\x01\x68\xce\0\0\0\x01\x65\x88", 20) + tag;
}
inline std::string DeltaFrame(char tag = 'P') { return std::string("\0\0\0\x01\x41\x9a", 6) + tag; }

inline FourCcValue Id(uint32_t stream, ChunkKind kind) { return MakeStreamChunkId(stream, kind); }

inline std::string BuildAvi(const TestAvi& avi) {
  MemorySink sink;
  RiffWriter writer(sink);
  writer.BeginRiff(kAviForm);
  writer.BeginList(kHeaderList);
  MainHeader main;
  main.streams = static_cast<uint32_t>(avi.streams.size());
  main.total_frames = avi.interrupted ? 0 : avi.total_frames;
  main.flags = avi.with_index ? kMainHeaderHasIndex : 0;
  writer.WriteChunk(kMainHeader, ToBytes(main));
  for (const TestStream& stream : avi.streams) {
    writer.BeginList(kStreamList);
    StreamHeader header = stream.header;
    if (avi.interrupted) header.length = 0;
    writer.WriteChunk(kStreamHeader, ToBytes(header));
    writer.WriteChunk(kStreamFormat, stream.format);
    writer.EndList();
  }
  writer.EndList();
  writer.BeginList(kMovieList);
  const uint64_t movi_type = writer.Offset() - 4;
  IndexBuilder index(movi_type);
  for (const TestChunk& chunk : avi.chunks) {
    index.Add(chunk.id, chunk.flags, writer.Offset(), static_cast<uint32_t>(chunk.data.size()));
    writer.WriteChunk(chunk.id, chunk.data);
  }
  uint64_t movi_size_field = 0;
  writer.EndList(&movi_size_field);
  if (avi.with_index && !avi.interrupted) index.WriteTo(writer);
  writer.EndList();
  if (avi.interrupted) {
    writer.Patch32(4, 0);
    writer.Patch32(movi_size_field, 0);
  }
  return sink.bytes();
}

inline uint32_t Le32At(const std::string& bytes, size_t offset) {
  return ReadLe32(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

inline void PutLe32(std::string& bytes, size_t offset, uint32_t value) {
  StoreLe32(reinterpret_cast<uint8_t*>(bytes.data()) + offset, value);
}

}  // namespace vantrel::avi::test
