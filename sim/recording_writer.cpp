#include "sim/recording_writer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "avi/avi_headers.h"
#include "avi/byte_sink.h"
#include "avi/four_cc.h"
#include "avi/index_builder.h"
#include "avi/riff_writer.h"
#include "avi/stream_chunk_id.h"
#include "sim/audio_track.h"
#include "sim/camera_channel.h"
#include "sim/route.h"
#include "sim/telemetry_packets.h"

namespace vantrel::sim {
namespace {

constexpr uint32_t kInterleaved = 0x100;  // AVIF_ISINTERLEAVED

// One stream of the file and what was written of it.
struct StreamSlot {
  avi::FourCcValue chunk_id = 0;
  avi::StreamHeader header;
  std::string format;  // the "strf" bytes; none for the text stream
  uint64_t header_offset = 0;
  uint32_t chunks = 0;
  uint32_t largest = 0;
  uint64_t bytes = 0;
};

class Recorder {
 public:
  explicit Recorder(const RecordingDescription& description)
      : description_(description),
        frames_(FrameCount(description)),
        route_(static_cast<double>(frames_) / description.fps + 1.0, description.south,
               description.west, description.seed) {}

  bool Open(std::string* error);
  bool Record(avi::FileSink& sink, std::string* error);
  // Where an interrupted recording's file ends: inside its last chunk.
  uint64_t CutOffset() const { return last_chunk_offset_ + 8 + last_chunk_size_ / 2; }

 private:
  bool WriteHeader(avi::RiffWriter& writer);
  bool WriteChunk(avi::RiffWriter& writer, StreamSlot& slot, const uint8_t* data, size_t size,
                  bool key);
  bool WriteFrames(avi::RiffWriter& writer, std::string* error);
  bool WriteAudio(avi::RiffWriter& writer, int64_t until_sample, bool last, std::string* error);
  bool PatchHeader(avi::FileSink& sink);
  // The number of the next stream to be declared.
  uint32_t StreamNumber() const { return static_cast<uint32_t>(slots_.size()); }

  const RecordingDescription& description_;
  int frames_;
  Route route_;
  std::vector<std::unique_ptr<CameraChannel>> cameras_;
  std::unique_ptr<AudioTrack> audio_;
  std::vector<TelemetryPacket> telemetry_;
  std::vector<StreamSlot> slots_;  // cameras, then audio, then text
  avi::MainHeader main_;
  uint64_t main_offset_ = 0;
  avi::IndexBuilder index_;
  int64_t audio_samples_ = 0;
  uint64_t last_chunk_offset_ = 0;
  uint32_t last_chunk_size_ = 0;
};

bool Recorder::Open(std::string* error) {
  uint64_t bytes_per_second = 0;
  for (int channel = 0; channel < description_.channels; ++channel) {
    const Camera camera = channel == 0 ? Camera::kFront : Camera::kRear;
    auto camera_channel = CameraChannel::Open(description_, camera, route_, error);
    if (!camera_channel) return false;
    StreamSlot slot;
    slot.chunk_id = avi::MakeStreamChunkId(StreamNumber(), avi::ChunkKind::kVideo);
    slot.header = camera_channel->StreamHeader();
    slot.format = avi::ToBytes(camera_channel->Format());
    bytes_per_second += ChannelBitRate(description_, camera == Camera::kFront ? description_.front
                                                                              : description_.rear) /
                        8;
    slots_.push_back(slot);
    cameras_.push_back(std::move(camera_channel));
  }
  if (description_.audio != AudioKind::kNone) {
    audio_ = AudioTrack::Open(description_, error);
    if (!audio_) return false;
    StreamSlot slot;
    slot.chunk_id = avi::MakeStreamChunkId(StreamNumber(), avi::ChunkKind::kAudio);
    slot.header = audio_->StreamHeader();
    slot.format = audio_->Format();
    bytes_per_second += kAudioSampleRate * 2;
    slots_.push_back(slot);
  }
  StreamSlot text;
  text.chunk_id = avi::MakeStreamChunkId(StreamNumber(), avi::ChunkKind::kText);
  text.header.type = avi::kTextStream;
  // Packets per second as the stream's rate, so that players place them about right in time.
  text.header.scale = 1000;
  text.header.rate = static_cast<uint32_t>(
      std::llround(1000 * (description_.gps_rate_hz + description_.gsensor_rate_hz)));
  text.header.suggested_buffer_size = 1024;
  slots_.push_back(text);

  telemetry_ = MakeTelemetry(description_, route_, int64_t{frames_ - 1} * 1000 / description_.fps);

  main_.micro_seconds_per_frame =
      static_cast<uint32_t>(std::llround(1e6 / static_cast<double>(description_.fps)));
  main_.max_bytes_per_second = static_cast<uint32_t>(bytes_per_second);
  main_.flags = avi::kMainHeaderHasIndex | kInterleaved;
  main_.streams = static_cast<uint32_t>(slots_.size());
  for (const StreamSlot& slot : slots_) {
    main_.suggested_buffer_size =
        std::max(main_.suggested_buffer_size, slot.header.suggested_buffer_size);
  }
  main_.width = static_cast<uint32_t>(description_.front.width);
  main_.height = static_cast<uint32_t>(description_.front.height);
  return true;
}

bool Recorder::WriteHeader(avi::RiffWriter& writer) {
  writer.BeginRiff(avi::kAviForm);
  writer.BeginList(avi::kHeaderList);
  main_offset_ = writer.Offset() + 8;
  writer.WriteChunk(avi::kMainHeader, avi::ToBytes(main_));
  for (StreamSlot& slot : slots_) {
    writer.BeginList(avi::kStreamList);
    slot.header_offset = writer.Offset() + 8;
    writer.WriteChunk(avi::kStreamHeader, avi::ToBytes(slot.header));
    if (!slot.format.empty()) writer.WriteChunk(avi::kStreamFormat, slot.format);
    writer.EndList();
  }
  writer.EndList();
  writer.BeginList(avi::kMovieList);
  index_.set_base(writer.Offset() - 4);
  return writer.ok();
}

bool Recorder::WriteChunk(avi::RiffWriter& writer, StreamSlot& slot, const uint8_t* data,
                          size_t size, bool key) {
  const uint64_t offset = writer.Offset();
  if (!writer.WriteChunk(slot.chunk_id, data, size)) return false;
  index_.Add(slot.chunk_id, key ? avi::kIndexKeyFrame : 0, offset, static_cast<uint32_t>(size));
  ++slot.chunks;
  slot.largest = std::max(slot.largest, static_cast<uint32_t>(size));
  slot.bytes += size;
  last_chunk_offset_ = offset;
  last_chunk_size_ = static_cast<uint32_t>(size);
  return true;
}

// Records sound up to until_sample and writes the chunks that completes, in 100 ms blocks; the
// last call also writes what the encoder still holds.
bool Recorder::WriteAudio(avi::RiffWriter& writer, int64_t until_sample, bool last,
                          std::string* error) {
  StreamSlot& slot = slots_[cameras_.size()];
  std::vector<std::vector<uint8_t>> chunks;
  while (audio_samples_ + kAudioBlockSamples <= until_sample ||
         (last && audio_samples_ < until_sample)) {
    const int count =
        static_cast<int>(std::min<int64_t>(kAudioBlockSamples, until_sample - audio_samples_));
    if (!audio_->Record(count, &chunks, error)) return false;
    audio_samples_ += count;
  }
  if (last && !audio_->Finish(&chunks, error)) return false;
  for (const std::vector<uint8_t>& chunk : chunks) {
    if (!WriteChunk(writer, slot, chunk.data(), chunk.size(), true)) return false;
  }
  return true;
}

bool Recorder::WriteFrames(avi::RiffWriter& writer, std::string* error) {
  const int fps = description_.fps;
  const int64_t total_samples = int64_t{frames_} * kAudioSampleRate / fps;
  StreamSlot& text = slots_.back();
  size_t next_packet = 0;
  for (int frame = 0; frame < frames_; ++frame) {
    for (size_t channel = 0; channel < cameras_.size(); ++channel) {
      EncodedFrame encoded;
      if (!cameras_[channel]->NextFrame(&encoded, error)) return false;
      if (!WriteChunk(writer, slots_[channel], encoded.data.data(), encoded.data.size(),
                      encoded.key)) {
        return false;
      }
    }
    // Sound that has been captured by the time of this frame, in whole blocks.
    if (audio_ && !WriteAudio(writer, int64_t{frame} * kAudioSampleRate / fps, false, error)) {
      return false;
    }
    // Sensor readings taken by the time of this frame.
    while (next_packet < telemetry_.size() &&
           telemetry_[next_packet].due_ms * fps <= int64_t{frame} * 1000) {
      const std::vector<uint8_t>& bytes = telemetry_[next_packet++].bytes;
      if (!WriteChunk(writer, text, bytes.data(), bytes.size(), true)) return false;
    }
  }
  return !audio_ || WriteAudio(writer, total_samples, true, error);
}

bool Recorder::PatchHeader(avi::FileSink& sink) {
  const double seconds = static_cast<double>(frames_) / description_.fps;
  uint64_t bytes = 0;
  main_.suggested_buffer_size = 0;
  for (StreamSlot& slot : slots_) {
    bytes += slot.bytes;
    slot.header.suggested_buffer_size = slot.largest;
    main_.suggested_buffer_size = std::max(main_.suggested_buffer_size, slot.largest);
    if (slot.header.type == avi::kAudioStream) {
      slot.header.length = audio_->Length(slot.chunks, slot.bytes);
    } else {
      slot.header.length = slot.chunks;
    }
    const std::string record = avi::ToBytes(slot.header);
    if (!sink.WriteAt(slot.header_offset, record.data(), record.size())) return false;
  }
  main_.total_frames = slots_.front().chunks;
  main_.max_bytes_per_second = static_cast<uint32_t>(std::ceil(bytes / seconds));
  const std::string record = avi::ToBytes(main_);
  return sink.WriteAt(main_offset_, record.data(), record.size());
}

bool Recorder::Record(avi::FileSink& sink, std::string* error) {
  avi::RiffWriter writer(sink);
  if (!WriteHeader(writer) || !WriteFrames(writer, error)) {
    if (error->empty()) *error = "cannot write the recording";
    return false;
  }
  // A recorder that loses power never closes its lists, writes no index and never goes back to
  // the header: the sizes and totals keep the zeros written at the start.
  if (!description_.interrupted) {
    writer.EndList();
    index_.WriteTo(writer);
    writer.EndList();
    if (writer.ok() && !PatchHeader(sink)) {
      *error = "cannot write the recording";
      return false;
    }
  }
  if (!writer.ok()) {
    *error = "cannot write the recording";
    return false;
  }
  return true;
}

}  // namespace

bool WriteRecording(const RecordingDescription& description, const std::string& path,
                    std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  *error = CheckDescription(description);
  if (!error->empty()) return false;

  Recorder recorder(description);
  if (!recorder.Open(error)) return false;
  avi::FileSink sink;
  if (!sink.Open(path)) {
    *error = "cannot create " + path;
    return false;
  }
  bool written = recorder.Record(sink, error);
  if (!sink.Close() && written) {
    *error = "cannot write " + path;
    written = false;
  }
  std::error_code failure;
  if (written && description.interrupted) {
    std::filesystem::resize_file(path, recorder.CutOffset(), failure);
    if (failure) {
      *error = "cannot cut " + path + ": " + failure.message();
      written = false;
    }
  }
  if (!written) std::filesystem::remove(path, failure);
  return written;
}

}  // namespace vantrel::sim
