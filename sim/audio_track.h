// The sound stream of a simulated recording: the cabin sound as 16-bit PCM (22050 Hz mono) or as
// AAC, cut into the chunks a recorder writes every 100 ms.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "avi/avi_headers.h"
#include "sim/aac_encoder.h"
#include "sim/engine_sound.h"
#include "sim/recording_description.h"

namespace vantrel::sim {

inline constexpr int kAudioBlockSamples = kAudioSampleRate / 10;  // 100 ms, 4410 bytes of PCM

class AudioTrack {
 public:
  // Empty (with *error set) for AudioKind::kNone or when the encoder cannot be opened.
  static std::unique_ptr<AudioTrack> Open(const RecordingDescription& description,
                                          std::string* error);

  // Records the next count samples; the chunks they complete are appended to chunks (PCM: one
  // chunk of all of them; AAC: every frame the encoder finished, possibly none).
  bool Record(int count, std::vector<std::vector<uint8_t>>* chunks, std::string* error);
  // The chunks still held back when recording stops.
  bool Finish(std::vector<std::vector<uint8_t>>* chunks, std::string* error);

  // The stream's header (length 0 until the recording is closed) and format.
  avi::StreamHeader StreamHeader() const;
  std::string Format() const;
  // The stream header's length for the chunks written: samples for PCM, frames for AAC.
  uint32_t Length(uint32_t chunks, uint64_t bytes) const;

 private:
  AudioTrack(AudioKind kind, uint64_t seed, std::unique_ptr<AacEncoder> aac);

  AudioKind kind_;
  EngineSound sound_;
  std::unique_ptr<AacEncoder> aac_;
};

}  // namespace vantrel::sim
