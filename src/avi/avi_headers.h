// The fixed-layout records of an AVI header list: the main header ("avih"), a stream header
// ("strh"), and the two stream formats ("strf"): BITMAPINFOHEADER for video and WAVEFORMATEX
// for audio. Each record converts to its bytes (for writers) and back (for the reader); the
// parsers take untrusted bytes and fail on a record that is too short.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "avi/four_cc.h"

namespace vantrel::avi {

inline constexpr uint32_t kMainHeaderSize = 56;
inline constexpr uint32_t kStreamHeaderSize = 56;
inline constexpr uint32_t kBitmapInfoSize = 40;
inline constexpr uint32_t kWaveFormatSize = 18;  // with cbSize; plain PCM may stop at 16
inline constexpr uint32_t kWaveFormatMinimumSize = 16;

// Audio format tags the recorders use.
inline constexpr uint16_t kWaveFormatPcm = 0x0001;
inline constexpr uint16_t kWaveFormatRawAac = 0x00FF;
inline constexpr uint16_t kWaveFormatMpegHeAac = 0x1610;
inline constexpr uint16_t kWaveFormatFaadAac = 0x706D;

inline constexpr uint32_t kMainHeaderHasIndex = 0x10;

struct MainHeader {
  uint32_t micro_seconds_per_frame = 0;
  uint32_t max_bytes_per_second = 0;
  uint32_t padding_granularity = 0;
  uint32_t flags = 0;
  uint32_t total_frames = 0;
  uint32_t initial_frames = 0;
  uint32_t streams = 0;
  uint32_t suggested_buffer_size = 0;
  uint32_t width = 0;
  uint32_t height = 0;
};

struct StreamHeader {
  FourCcValue type = 0;
  FourCcValue handler = 0;
  uint32_t flags = 0;
  uint16_t priority = 0;
  uint16_t language = 0;
  uint32_t initial_frames = 0;
  uint32_t scale = 0;
  uint32_t rate = 0;
  uint32_t start = 0;
  uint32_t length = 0;
  uint32_t suggested_buffer_size = 0;
  uint32_t quality = 0;
  uint32_t sample_size = 0;
  int16_t frame_left = 0;
  int16_t frame_top = 0;
  int16_t frame_right = 0;
  int16_t frame_bottom = 0;
};

struct BitmapInfo {
  int32_t width = 0;
  int32_t height = 0;
  uint16_t planes = 1;
  uint16_t bit_count = 24;
  FourCcValue compression = 0;
  uint32_t image_size = 0;
  int32_t x_pixels_per_meter = 0;
  int32_t y_pixels_per_meter = 0;
  uint32_t colours_used = 0;
  uint32_t colours_important = 0;
  std::string extra;  // codec data after the 40-byte record (biSize counts it)
};

struct WaveFormat {
  uint16_t format_tag = 0;
  uint16_t channels = 0;
  uint32_t samples_per_second = 0;
  uint32_t average_bytes_per_second = 0;
  uint16_t block_align = 0;
  uint16_t bits_per_sample = 0;
  std::string extra;  // codec data after the 18-byte record (cbSize counts it)
};

std::string ToBytes(const MainHeader& header);
std::string ToBytes(const StreamHeader& header);
std::string ToBytes(const BitmapInfo& format);
std::string ToBytes(const WaveFormat& format);

std::optional<MainHeader> ParseMainHeader(const uint8_t* bytes, size_t size);
std::optional<StreamHeader> ParseStreamHeader(const uint8_t* bytes, size_t size);
// Extra bytes are those the record claims (biSize - 40, cbSize), cut to the bytes present.
std::optional<BitmapInfo> ParseBitmapInfo(const uint8_t* bytes, size_t size);
std::optional<WaveFormat> ParseWaveFormat(const uint8_t* bytes, size_t size);

}  // namespace vantrel::avi
