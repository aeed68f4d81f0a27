#include "tools/avi_repair.h"

#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "avi/byte_order.h"
#include "avi/four_cc.h"
#include "tools/movie_chunk_walk.h"
#include "tools/repair_header.h"
#include "tools/repair_timing.h"
#include "tools/silent_audio.h"

namespace vantrel::tools {

namespace {

constexpr uint32_t kKeyFrameFlag = 0x10;
constexpr int64_t kSilentChunkClock = 1000;  // 100 ms in units of 0.1 ms
constexpr uint32_t kFirstChunkOffset = 4;    // index offsets count from the "movi" identifier

// What the copy needs besides the parts: the walk's chunks and the per-run numbers.
struct CopyPlan {
  MovieChunkWalk walk;
  bool audio_less = false;
  bool repair = false;
  int64_t frame_step = 0;
  int64_t silent_count = 0;
};

// True when the first NAL unit after a 4-byte start code is an IDR slice or a sequence
// parameter set: the recorder's key frames.
bool IsKeyVideoData(const uint8_t* data, uint64_t size) {
  if (size < 5) return false;
  const int nal_type = data[4] & 0x1F;
  return nal_type == 5 || nal_type == 7;
}

class ChunkCopier {
 public:
  ChunkCopier(avi::ByteSource& movie, avi::ByteSink& output, const CopyPlan& plan)
      : movie_(movie), output_(output), plan_(plan) {}

  bool Run() {
    index_.reserve(static_cast<size_t>(16 * (plan_.walk.chunk_count + plan_.silent_count)));
    uint64_t position = kMovieListHeaderSize;
    for (uint64_t i = 0; i < plan_.walk.chunk_count; ++i) {
      if (!CopyChunk(&position)) return false;
      if (plan_.audio_less && silent_written_ < plan_.silent_count &&
          video_clock_ >= kSilentChunkClock) {
        if (!WriteSilent()) return false;
        video_clock_ -= kSilentChunkClock;
      }
    }
    while (silent_written_ < plan_.silent_count) {
      if (!WriteSilent()) return false;
    }
    uint8_t index_header[8];
    avi::StoreLe32(index_header, avi::kIndex);
    avi::StoreLe32(index_header + 4, static_cast<uint32_t>(index_.size()));
    return output_.Append(index_header, sizeof index_header) &&
           output_.Append(index_.data(), index_.size());
  }

 private:
  bool CopyChunk(uint64_t* position) {
    uint8_t header[8];
    if (!movie_.ReadExact(*position, header, sizeof header)) return false;
    const uint64_t data_size = PaddedSize(avi::ReadLe32(header + 4));
    if (buffer_.size() < data_size) buffer_.resize(static_cast<size_t>(data_size));
    if (!movie_.ReadExact(*position + 8, buffer_.data(), static_cast<size_t>(data_size))) {
      return false;
    }
    *position += 8 + data_size;

    bool key = false;
    if (plan_.audio_less && header[1] == '1') {
      header[1] = '2';  // the text stream moves behind the new audio stream
      key = true;
    }
    if (header[1] == '0') {
      key = IsKeyVideoData(buffer_.data(), data_size);
      video_clock_ += plan_.frame_step;
    }
    if (plan_.repair && header[1] == '2') key = true;

    AddIndexEntry(avi::ReadLe32(header), key ? kKeyFrameFlag : 0, static_cast<uint32_t>(data_size));
    return output_.Append(header, sizeof header) &&
           output_.Append(buffer_.data(), static_cast<size_t>(data_size));
  }

  bool WriteSilent() {
    ++silent_written_;
    AddIndexEntry(avi::FourCc("01wb"), kKeyFrameFlag, kSilentDataSize);
    return output_.Append(SilentChunk().data(), SilentChunk().size());
  }

  void AddIndexEntry(uint32_t id, uint32_t flags, uint32_t data_size) {
    uint8_t entry[16];
    avi::StoreLe32(entry, id);
    avi::StoreLe32(entry + 4, flags);
    avi::StoreLe32(entry + 8, movie_offset_);
    avi::StoreLe32(entry + 12, data_size);
    index_.insert(index_.end(), entry, entry + sizeof entry);
    movie_offset_ += 8 + data_size;
  }

  avi::ByteSource& movie_;
  avi::ByteSink& output_;
  const CopyPlan& plan_;
  std::vector<uint8_t> buffer_ = std::vector<uint8_t>(1000000);
  std::vector<uint8_t> index_;
  uint32_t movie_offset_ = kFirstChunkOffset;
  int64_t video_clock_ = 0;
  int64_t silent_written_ = 0;
};

bool Rebuild(avi::ByteSource& header_part, avi::ByteSource& movie_part, avi::ByteSink& output,
             bool audio_less, uint32_t riff_size) {
  std::optional<RepairHeader> header = ReadRepairHeader(header_part);
  if (!header) return false;
  uint8_t list_header[kMovieListHeaderSize];
  if (!movie_part.ReadExact(0, list_header, sizeof list_header)) return false;

  CopyPlan plan;
  plan.audio_less = audio_less;
  plan.repair = riff_size == 0;
  uint64_t frames = header->length;
  if (plan.repair) {
    plan.walk = WalkDataChunks(movie_part);
    if (plan.walk.total == 0) return false;
    frames = plan.walk.front_video_count;
    if (frames > UINT32_MAX) return false;
  } else {
    // Chunks up to the movie list's own size, less its 4-byte type.
    const uint32_t old_size = avi::ReadLe32(list_header + 4);
    plan.walk = WalkChunksUpTo(movie_part, old_size >= 4 ? old_size - 4u : 0u);
  }
  const auto timing =
      ComputeRepairTiming(header->scale, header->rate, static_cast<uint32_t>(frames), audio_less);
  if (!timing) return false;
  plan.frame_step = timing->frame_step;
  plan.silent_count = timing->silent_count;

  // The sizes are those of what is written, so they hold for every input; for a well-formed
  // recording they equal the recorder's sizes grown by the silent stream.
  const uint64_t silent = static_cast<uint64_t>(plan.silent_count);
  const uint64_t header_list_size = header->header_list_size + (audio_less ? kSilentListSize : 0);
  const uint64_t movie_list_size = 4 + plan.walk.total + kSilentChunkSize * silent;
  const uint64_t index_size = 16 * (plan.walk.chunk_count + silent);
  const uint64_t new_riff_size = header_list_size + movie_list_size + index_size + 28;
  if (new_riff_size > UINT32_MAX) return false;

  if (plan.repair) {
    header->Store(kTotalFramesOffset, static_cast<uint32_t>(frames));
    header->Store(header->LengthOffset(), static_cast<uint32_t>(frames));
  }
  header->Store(kRiffSizeOffset, static_cast<uint32_t>(new_riff_size));
  header->Store(kHeaderListSizeOffset, static_cast<uint32_t>(header_list_size));
  if (audio_less) header->Store(kStreamCountOffset, 3);

  // The whole header list is kept; the silent stream list goes right after the first stream's.
  const uint8_t* bytes = header->bytes.data();
  const size_t split = static_cast<size_t>(header->first_list_end);
  if (!output.Append(bytes, split)) return false;
  if (audio_less) {
    const auto list = SilentStreamList(static_cast<uint32_t>(silent));
    if (!output.Append(list.data(), list.size())) return false;
  }
  if (!output.Append(bytes + split, header->bytes.size() - split)) return false;

  avi::StoreLe32(list_header + 4, static_cast<uint32_t>(movie_list_size));
  if (!output.Append(list_header, sizeof list_header)) return false;
  return ChunkCopier(movie_part, output, plan).Run();
}

}  // namespace

bool RebuildAvi(avi::ByteSource& header_part, avi::ByteSource& movie_part, avi::ByteSink& output,
                bool audio_less, uint32_t riff_size) {
  try {
    return Rebuild(header_part, movie_part, output, audio_less, riff_size);
  } catch (const std::bad_alloc&) {
    return false;  // an index or chunk beyond memory: refused, never cut
  }
}

bool AviRepair(const std::string& header_part, const std::string& movie_part,
               const std::string& output, bool audio_less, uint32_t riff_size) {
  avi::FileSink sink;
  if (!sink.Open(output)) return false;
  const std::unique_ptr<avi::FileByteSource> header = avi::FileByteSource::Open(header_part);
  const std::unique_ptr<avi::FileByteSource> movie = avi::FileByteSource::Open(movie_part);
  if (!header || !movie) return false;
  if (RebuildAvi(*header, *movie, sink, audio_less, riff_size) && sink.Close()) return true;
  // A failure part way through leaves no half-written recording behind.
  sink.Open(output);
  sink.Close();
  return false;
}

}  // namespace vantrel::tools
