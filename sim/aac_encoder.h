// AAC-LC encoding of the mono cabin sound through libavcodec's native "aac" encoder. Each packet
// is one raw AAC frame of 1024 samples (no ADTS header); the decoder learns the stream's setup from
// the AudioSpecificConfig, which the recording carries in its audio format.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vantrel::sim {

struct EncoderCodec;

class AacEncoder {
 public:
  static constexpr int kFrameSamples = 1024;

  // Empty (with *error set) when the encoder cannot be opened.
  static std::unique_ptr<AacEncoder> Open(int sample_rate, int64_t bit_rate, std::string* error);
  ~AacEncoder();
  AacEncoder(const AacEncoder&) = delete;
  AacEncoder& operator=(const AacEncoder&) = delete;

  const std::vector<uint8_t>& audio_specific_config() const { return config_; }
  int64_t bit_rate() const;

  // Takes count more samples; whole frames that come out are appended to packets.
  bool Encode(const int16_t* samples, int count, std::vector<std::vector<uint8_t>>* packets,
              std::string* error);
  // Encodes what is left (a short last frame) and drains the encoder.
  bool Finish(std::vector<std::vector<uint8_t>>* packets, std::string* error);

 private:
  explicit AacEncoder(std::unique_ptr<EncoderCodec> codec);
  bool SendFrame(int count, std::vector<std::vector<uint8_t>>* packets, std::string* error);
  bool Drain(std::vector<std::vector<uint8_t>>* packets, std::string* error);

  std::unique_ptr<EncoderCodec> codec_;
  std::vector<uint8_t> config_;
  std::vector<int16_t> pending_;
  int64_t next_pts_ = 0;
};

}  // namespace vantrel::sim
