// The sound of a recording's audio pin made ready for the sound device: PCM is taken as it is,
// AAC is decoded with libavcodec, and swresample converts either to the device's rate, channels
// and sample format. Played faster or slower, the sound is resampled as if it had been recorded
// at that multiple of its rate, so the device's clock keeps pace with the picture (the engine
// mutes it then; see SoundPlayback).
//
// Not thread-safe: the engine's sound thread owns it, and a seek resets it while that thread
// is held.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "playback/audio_output.h"
#include "playback/av_handles.h"
#include "playback/media_type.h"
#include "playback/stream_splitter.h"

extern "C" {
#include <libswresample/swresample.h>
}

namespace vantrel {

// Frames of the device's format and the time line they cover.
struct SoundChunk {
  int64_t time = 0;  // of the first frame, 100-ns units
  double units_per_frame = 0;
  int64_t frames = 0;
  std::vector<uint8_t> bytes;
};

class SoundDecoder {
 public:
  SoundDecoder();
  ~SoundDecoder();
  SoundDecoder(const SoundDecoder&) = delete;
  SoundDecoder& operator=(const SoundDecoder&) = delete;

  // False when the pin's sound is not one this build plays (the recording then plays silent).
  bool Open(const MediaType& source, const AudioFormat& device);
  // How many times faster than recorded the sound is played; effective from the next packet.
  void SetRate(double rate);
  // Forgets everything inside the decoder and the resampler; call after the splitter seeked.
  void Reset();
  // Decodes one packet and appends the sound it gave. A packet that does not decode is skipped.
  void Decode(const MediaPacket& packet, std::vector<SoundChunk>* out);

 private:
  struct SwrFree {
    void operator()(SwrContext* context) const { swr_free(&context); }
  };
  // The converter for input of this shape at the current rate; false when it cannot be made.
  bool Prepare(AVSampleFormat format, int channels, int sample_rate);
  void Convert(const uint8_t** planes, int frames, int64_t time, std::vector<SoundChunk>* out);
  void DecodeAac(const MediaPacket& packet, std::vector<SoundChunk>* out);

  MediaType source_;
  AudioFormat device_;
  double rate_ = 1.0;
  CodecContextHandle codec_;  // AAC only
  PacketHandle packet_;
  FrameHandle frame_;
  std::unique_ptr<SwrContext, SwrFree> resampler_;
  // What the resampler was made for.
  AVSampleFormat in_format_ = AV_SAMPLE_FMT_NONE;
  int in_channels_ = 0;
  int in_rate_ = 0;
  double made_for_rate_ = 0;
  int declared_rate_ = 0;
  int64_t next_time_ = 0;  // where the sound continues when a frame carries no time
};

}  // namespace vantrel
