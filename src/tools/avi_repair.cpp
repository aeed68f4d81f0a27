#include "tools/avi_repair.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "avi/byte_order.h"
#include "avi/four_cc.h"
#include "tools/mapped_part.h"
#include "tools/movie_chunk_walk.h"
#include "tools/output_file.h"
#include "tools/repair_header.h"
#include "tools/repair_timing.h"
#include "tools/silent_audio.h"

namespace vantrel::tools {

namespace {

constexpr uint32_t kKeyFrameFlag = 0x10;
constexpr int64_t kSilentChunkClock = 1000;  // 100 ms in units of 0.1 ms
constexpr uint32_t kFirstChunkOffset = 4;    // index offsets count from the "movi" identifier

// Where the rebuilt recording goes: bytes made here, and runs of the movie part that are
// copied as they are (most of a recording).
class RebuildTarget {
 public:
  virtual ~RebuildTarget() = default;
  virtual bool Append(const void* data, size_t size) = 0;
  virtual bool AppendMovie(uint64_t offset, uint64_t size) = 0;
};

// Any sink: movie bytes pass through one work buffer of at most 1,000,000 bytes.
class SinkTarget : public RebuildTarget {
 public:
  SinkTarget(avi::ByteSource& movie, avi::ByteSink& sink) : movie_(movie), sink_(sink) {}
  bool Append(const void* data, size_t size) override { return sink_.Append(data, size); }
  bool AppendMovie(uint64_t offset, uint64_t size) override {
    if (buffer_.empty()) buffer_.resize(kWorkBufferSize);
    while (size > 0) {
      const size_t piece = static_cast<size_t>(std::min<uint64_t>(size, buffer_.size()));
      if (!movie_.ReadExact(offset, buffer_.data(), piece) ||
          !sink_.Append(buffer_.data(), piece)) {
        return false;
      }
      offset += piece;
      size -= piece;
    }
    return true;
  }

 private:
  static constexpr size_t kWorkBufferSize = 1000000;
  avi::ByteSource& movie_;
  avi::ByteSink& sink_;
  std::vector<uint8_t> buffer_;
};

// A file: runs of the movie part are written in place from its mapping, or, without one, read
// into the output's buffer. A rebuild that can be cancelled writes them a block at a time.
class FileTarget : public RebuildTarget {
 public:
  FileTarget(const FilePart& movie, MappedPart* mapped, OutputFile& file,
             const CancelCheck& cancelled)
      : movie_(movie), mapped_(mapped), file_(file), cancelled_(cancelled) {}
  bool Append(const void* data, size_t size) override { return file_.Append(data, size); }
  bool AppendMovie(uint64_t offset, uint64_t size) override {
    if (!cancelled_) return AppendRun(offset, size);
    while (size > 0) {
      const uint64_t piece = std::min(size, kCancelBlock);
      if (cancelled_() || !AppendRun(offset, piece) || !file_.Flush()) return false;
      offset += piece;
      size -= piece;
    }
    return true;
  }

 private:
  static constexpr uint64_t kCancelBlock = 8 << 20;

  bool AppendRun(uint64_t offset, uint64_t size) {
    if (mapped_ != nullptr) return file_.AppendInPlace(mapped_->Bytes(offset, size), size);
    return file_.AppendRange(movie_.descriptor(), movie_.begin() + offset, size);
  }

  const FilePart& movie_;
  MappedPart* mapped_;
  OutputFile& file_;
  const CancelCheck& cancelled_;
};

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

// Copies the walked chunks with their new names and flags, the silent chunks between them, and
// the new index. Unchanged chunks next to each other are copied as one run.
class ChunkCopier {
 public:
  ChunkCopier(RebuildTarget& output, const CopyPlan& plan) : output_(output), plan_(plan) {}

  bool Run() {
    index_.reserve(static_cast<size_t>(16 * (plan_.walk.chunks.size() + plan_.silent_count)));
    uint64_t position = kMovieListHeaderSize;
    run_start_ = position;
    for (const WalkedChunk& chunk : plan_.walk.chunks) {
      if (!CopyChunk(chunk, &position)) return false;
      if (plan_.audio_less && silent_written_ < plan_.silent_count &&
          video_clock_ >= kSilentChunkClock) {
        if (!WriteSilent(position)) return false;
        video_clock_ -= kSilentChunkClock;
      }
    }
    while (silent_written_ < plan_.silent_count) {
      if (!WriteSilent(position)) return false;
    }
    if (!EndRun(position)) return false;
    uint8_t index_header[8];
    avi::StoreLe32(index_header, avi::kIndex);
    avi::StoreLe32(index_header + 4, static_cast<uint32_t>(index_.size()));
    return output_.Append(index_header, sizeof index_header) &&
           output_.Append(index_.data(), index_.size());
  }

 private:
  bool CopyChunk(const WalkedChunk& chunk, uint64_t* position) {
    const uint64_t data_size = PaddedSize(chunk.size);
    const uint64_t data_offset = *position + 8;
    *position = data_offset + data_size;

    uint8_t header[8];
    avi::StoreLe32(header, chunk.id);
    avi::StoreLe32(header + 4, chunk.size);
    bool key = false;
    if (plan_.audio_less && header[1] == '1') {
      // The text stream moves behind the new audio stream: a new name, so the run breaks here.
      header[1] = '2';
      key = true;
      if (!EndRun(data_offset - 8) || !output_.Append(header, sizeof header)) return false;
      run_start_ = data_offset;
    }
    if (header[1] == '0') {
      key = IsKeyVideoData(chunk.lead, chunk.lead_size);
      video_clock_ += plan_.frame_step;
    }
    if (plan_.repair && header[1] == '2') key = true;

    AddIndexEntry(avi::ReadLe32(header), key ? kKeyFrameFlag : 0, static_cast<uint32_t>(data_size));
    return true;
  }

  // Copies the movie bytes from the run's start up to `end`.
  bool EndRun(uint64_t end) {
    const uint64_t start = run_start_;
    run_start_ = end;
    return end == start || output_.AppendMovie(start, end - start);
  }

  bool WriteSilent(uint64_t position) {
    if (!EndRun(position)) return false;
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

  RebuildTarget& output_;
  const CopyPlan& plan_;
  std::vector<uint8_t> index_;
  uint64_t run_start_ = 0;
  uint32_t movie_offset_ = kFirstChunkOffset;
  int64_t video_clock_ = 0;
  int64_t silent_written_ = 0;
};

// The silent chunks the video chunks present can carry on their clock, counting each frame a
// unit longer than its truncated step so that a recording whose length is true loses none. A
// crafted stream length thus asks for no more silence than there is video.
int64_t SilenceCovered(uint64_t video_chunks, int64_t frame_step) {
  const double covered = static_cast<double>(video_chunks) *
                         (static_cast<double>(frame_step) + 1.0) / kSilentChunkClock;
  return covered >= static_cast<double>(INT64_MAX / 2) ? INT64_MAX
                                                       : static_cast<int64_t>(covered) + 1;
}

bool Rebuild(avi::ByteSource& header_part, avi::ByteSource& movie_part, RebuildTarget& output,
             bool audio_less, uint32_t riff_size) {
  std::optional<RepairHeader> header = ReadRepairHeader(header_part);
  if (!header) return false;
  uint8_t list_header[kMovieListHeaderSize];
  if (!movie_part.ReadExact(0, list_header, sizeof list_header)) return false;

  CopyPlan plan;
  plan.audio_less = audio_less;
  plan.repair = riff_size == 0;
  // Chunks up to the movie list's own size, less its type.
  const uint32_t old_size = avi::ReadLe32(list_header + 4);
  const auto walk = [&](WalkKeeps keeps) {
    return plan.repair ? WalkDataChunks(movie_part, keeps)
                       : WalkChunksUpTo(movie_part, old_size >= 4 ? old_size - 4u : 0u, keeps);
  };
  // Counted first: a part too large for the output is refused before its chunks are held.
  if (walk(WalkKeeps::kCounts).too_large) return false;
  plan.walk = walk(WalkKeeps::kChunks);
  uint64_t frames = header->length;
  if (plan.repair) {
    if (plan.walk.total == 0) return false;
    frames = plan.walk.front_video_count;
    if (frames > UINT32_MAX) return false;
  }
  const auto timing =
      ComputeRepairTiming(header->scale, header->rate, static_cast<uint32_t>(frames), audio_less);
  if (!timing) return false;
  plan.frame_step = timing->frame_step;
  plan.silent_count =
      std::min(timing->silent_count, SilenceCovered(plan.walk.front_video_count, plan.frame_step));

  // The sizes are those of what is written, so they hold for every input; for a well-formed
  // recording they equal the recorder's sizes grown by the silent stream.
  const uint64_t silent = static_cast<uint64_t>(plan.silent_count);
  const uint64_t header_list_size = header->header_list_size + (audio_less ? kSilentListSize : 0);
  const uint64_t movie_list_size = 4 + plan.walk.total + kSilentChunkSize * silent;
  const uint64_t index_size = 16 * (plan.walk.chunks.size() + silent);
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
  return ChunkCopier(output, plan).Run();
}

bool Guarded(avi::ByteSource& header_part, avi::ByteSource& movie_part, RebuildTarget& output,
             bool audio_less, uint32_t riff_size) {
  try {
    return Rebuild(header_part, movie_part, output, audio_less, riff_size);
  } catch (const std::bad_alloc&) {
    return false;  // an index beyond memory: refused, never cut
  }
}

}  // namespace

bool RebuildAvi(avi::ByteSource& header_part, avi::ByteSource& movie_part, avi::ByteSink& output,
                bool audio_less, uint32_t riff_size) {
  SinkTarget target(movie_part, output);
  return Guarded(header_part, movie_part, target, audio_less, riff_size);
}

namespace {

// Rebuilds into file, which is flushed before the movie part's mapping goes.
bool RebuildFileParts(FilePart& header, FilePart& movie, OutputFile& file, bool audio_less,
                      uint32_t riff_size, MovieCopy copy, const CancelCheck& cancelled = {}) {
  std::optional<MappedPart> mapped;
  if (copy == MovieCopy::kMapped) mapped.emplace(movie);
  FileTarget target(movie, mapped && mapped->is_mapped() ? &*mapped : nullptr, file, cancelled);
  return Guarded(header, movie, target, audio_less, riff_size) && file.Flush();
}

void Tell(std::string* error, const std::string& why) {
  if (error != nullptr) *error = why;
}

// The output takes the place of any file of its name only once the rebuild is complete: a
// failed rebuild leaves no output and such a file as it was, and an output naming a file being
// read never cuts that file before it is read.
template <typename Rebuild>
bool WriteOutput(const std::string& output, std::string* error, const Rebuild& rebuild) {
  OutputFile file(output);
  if (!file.is_open()) {
    Tell(error, file.error());
    return false;
  }
  if (!rebuild(file)) {
    Tell(error, file.error().empty() ? "not a recording that can be rebuilt" : file.error());
    file.Abandon();
    return false;
  }
  if (file.Close()) return true;
  Tell(error, file.error());
  return false;
}

}  // namespace

bool AviRepair(const std::string& header_part, const std::string& movie_part,
               const std::string& output, bool audio_less, uint32_t riff_size, MovieCopy copy,
               std::string* error, const CancelCheck& cancelled) {
  const std::unique_ptr<OpenFile> header_file = OpenFile::Open(header_part);
  const std::unique_ptr<OpenFile> movie_file = OpenFile::Open(movie_part);
  return WriteOutput(output, error, [&](OutputFile& file) {
    if (!header_file || !movie_file) return false;
    FilePart header(*header_file, 0, header_file->size());
    FilePart movie(*movie_file, 0, movie_file->size());
    return RebuildFileParts(header, movie, file, audio_less, riff_size, copy, cancelled);
  });
}

bool AviRepairRecording(const std::string& recording, uint64_t header_end,
                        const std::string& output, bool audio_less, uint32_t riff_size,
                        MovieCopy copy, std::string* error) {
  const std::unique_ptr<OpenFile> source = OpenFile::Open(recording);
  return WriteOutput(output, error, [&](OutputFile& file) {
    if (!source) return false;
    FilePart header(*source, 0, header_end);
    FilePart movie(*source, header.Size(), source->size());
    return RebuildFileParts(header, movie, file, audio_less, riff_size, copy);
  });
}

}  // namespace vantrel::tools
