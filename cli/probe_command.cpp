// probe FILE: the header facts, streams, splitter pins and chunk counts of a recording, one
// fact a line, tab-separated:
//   riff_size, header_list_size, main_header_size, total_frames, stream_count, audio_less (0|1),
//   stream<TAB>i<TAB>type<TAB>handler<TAB>scale<TAB>rate<TAB>length  (one line per stream),
//   pin<TAB>name (the splitter's output pins in order), video_pins, chunks (whole chunks in the
//   movie list), index_entries (0 without an index), duration_ms.
// Four-character codes are shown without their NUL bytes; any other byte that is not printable
// ASCII (or is a tab) shows as "?", so the line stays parseable. Exit 1 when the file cannot
// be read or is not a RIFF AVI file.
#include <cstdint>
#include <cstdio>
#include <string>

#include "arguments.h"
#include "avi/avi_index.h"
#include "avi/avi_reader.h"
#include "avi/movie_scan.h"
#include "avi/stream_chunk_id.h"
#include "commands.h"
#include "failures.h"
#include "playback/media_time.h"
#include "playback/stream_splitter.h"

namespace vantrel::cli {
namespace {

std::string Printable(avi::FourCcValue code) {
  std::string text = avi::FourCcText(code);
  for (char& c : text) {
    if (c < 0x20 || c > 0x7E) c = '?';
  }
  return text;
}

int ProbeUsage(const char* why) {
  std::fprintf(stderr, "vantrel-cli probe: %s\nusage: vantrel-cli probe FILE\n", why);
  return 2;
}

// The front video's length in ms: from its header length, or for an interrupted recording
// (RIFF size 0, header totals never written) from its whole chunks.
int64_t DurationMs(const avi::AviHeader& header, const avi::MovieScan& scan) {
  for (size_t i = 0; i < header.streams.size(); ++i) {
    const avi::StreamHeader& stream = header.streams[i].header;
    if (stream.type != avi::kVideoStream) continue;
    uint64_t frames = stream.length;
    if (header.riff_size == 0) {
      frames = 0;
      const avi::FourCcValue id = avi::MakeStreamChunkId(i, avi::ChunkKind::kVideo);
      for (const avi::ChunkRef& chunk : scan.chunks) frames += chunk.id == id ? 1 : 0;
    }
    return UnitsFromRate(frames, stream.scale, stream.rate) / kUnitsPerMillisecond;
  }
  return 0;
}

}  // namespace

int ProbeCommand(const Words& words) {
  const Arguments arguments(words, {});
  if (!arguments.error().empty()) return ProbeUsage(arguments.error().c_str());
  if (arguments.positional().size() != 1) return ProbeUsage("expected one file");
  const std::string& path = arguments.positional()[0];

  if (!RecordingReadable("probe", path) || !StandardOutputNotInto("probe", path)) return 1;
  auto source = avi::FileByteSource::Open(path);
  const auto header = source ? avi::ReadAviHeader(*source) : std::nullopt;
  if (!header) return Failure("probe", "cannot read " + path);
  const avi::MovieScan scan = avi::ScanMovie(*source, *header);

  std::printf("riff_size\t%u\n", header->riff_size);
  std::printf("header_list_size\t%u\n", header->header_list_size);
  std::printf("main_header_size\t%u\n", header->main_header_size);
  std::printf("total_frames\t%u\n", header->main.total_frames);
  std::printf("stream_count\t%u\n", header->main.streams);
  std::printf("audio_less\t%d\n", header->audio_less ? 1 : 0);
  for (size_t i = 0; i < header->streams.size(); ++i) {
    const avi::StreamHeader& stream = header->streams[i].header;
    std::printf("stream\t%zu\t%s\t%s\t%u\t%u\t%u\n", i, Printable(stream.type).c_str(),
                Printable(stream.handler).c_str(), stream.scale, stream.rate, stream.length);
  }

  StreamSplitter splitter;
  int video_pins = 0;
  if (splitter.Open(std::move(source))) {
    for (const OutputPin& pin : splitter.Pins()) {
      std::printf("pin\t%s\n", pin.name.c_str());
      if (pin.name.find("Video") != std::string::npos) ++video_pins;
    }
  }
  std::printf("video_pins\t%d\n", video_pins);
  std::printf("chunks\t%zu\n", scan.chunks.size());
  std::printf("index_entries\t%zu\n", avi::IndexEntryCount(*header));
  std::printf("duration_ms\t%lld\n", static_cast<long long>(DurationMs(*header, scan)));
  return 0;
}

}  // namespace vantrel::cli
