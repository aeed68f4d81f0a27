#include "telemetry_recording.h"

#include "avi/avi_headers.h"
#include "avi/byte_sink.h"
#include "avi/index_builder.h"
#include "avi/riff_writer.h"

namespace vantrel::test {
namespace {

using avi::FourCc;

constexpr int kFramesPerSecond = 10;

constexpr avi::FourCcValue kFrameChunk = FourCc("00dc");
constexpr avi::FourCcValue kTextChunk = FourCc("01tx");
// An H.264 IDR slice header's first bytes: enough to be taken for a key frame.
constexpr char kFrame[] = "\x00\x00\x00\x01\x65\x88\x84\x00";

void WriteStreamList(avi::RiffWriter& writer, avi::FourCcValue type, avi::FourCcValue handler,
                     uint32_t length, const std::string& format) {
  avi::StreamHeader header;
  header.type = type;
  header.handler = handler;
  header.scale = 1;
  header.rate = type == avi::kVideoStream ? kFramesPerSecond : 1;
  header.length = length;
  writer.BeginList(avi::kStreamList);
  writer.WriteChunk(avi::kStreamHeader, avi::ToBytes(header));
  if (!format.empty()) writer.WriteChunk(avi::kStreamFormat, format);
  writer.EndList();
}

}  // namespace

bool WriteTelemetryRecording(const std::string& path, const std::vector<RecordingPiece>& pieces) {
  uint32_t frames = 0;
  uint32_t packets = 0;
  for (const RecordingPiece& piece : pieces) {
    frames += piece.frames;
    packets += piece.packet.empty() ? 0 : 1;
  }

  avi::FileSink sink;
  if (!sink.Open(path)) return false;
  avi::RiffWriter writer(sink);
  writer.BeginRiff(avi::kAviForm);
  writer.BeginList(avi::kHeaderList);
  avi::MainHeader main;
  main.micro_seconds_per_frame = 1000000 / kFramesPerSecond;
  main.flags = avi::kMainHeaderHasIndex;
  main.total_frames = frames;
  main.streams = 2;
  main.width = 16;
  main.height = 16;
  writer.WriteChunk(avi::kMainHeader, avi::ToBytes(main));
  avi::BitmapInfo picture;
  picture.width = 16;
  picture.height = 16;
  picture.compression = FourCc("H264");
  WriteStreamList(writer, avi::kVideoStream, FourCc("H264"), frames, avi::ToBytes(picture));
  WriteStreamList(writer, avi::kTextStream, 0, packets, "");
  writer.EndList();

  writer.BeginList(avi::kMovieList);
  avi::IndexBuilder index(writer.Offset() - 4);
  for (const RecordingPiece& piece : pieces) {
    for (int i = 0; i < piece.frames; ++i) {
      index.Add(kFrameChunk, avi::kIndexKeyFrame, writer.Offset(), sizeof(kFrame) - 1);
      writer.WriteChunk(kFrameChunk, kFrame, sizeof(kFrame) - 1);
    }
    if (!piece.packet.empty()) {
      index.Add(kTextChunk, avi::kIndexKeyFrame, writer.Offset(), piece.packet.size());
      writer.WriteChunk(kTextChunk, piece.packet);
    }
  }
  writer.EndList();
  index.WriteTo(writer);
  writer.EndList();
  return writer.ok() && sink.Close();
}

}  // namespace vantrel::test
