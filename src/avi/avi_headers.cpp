#include "avi/avi_headers.h"

#include <algorithm>

#include "avi/byte_order.h"

namespace vantrel::avi {

std::string ToBytes(const MainHeader& header) {
  std::string out;
  for (uint32_t value :
       {header.micro_seconds_per_frame, header.max_bytes_per_second, header.padding_granularity,
        header.flags, header.total_frames, header.initial_frames, header.streams,
        header.suggested_buffer_size, header.width, header.height, 0u, 0u, 0u, 0u}) {
    AppendLe32(out, value);
  }
  return out;
}

std::string ToBytes(const StreamHeader& header) {
  std::string out;
  AppendLe32(out, header.type);
  AppendLe32(out, header.handler);
  AppendLe32(out, header.flags);
  AppendLe16(out, header.priority);
  AppendLe16(out, header.language);
  for (uint32_t value :
       {header.initial_frames, header.scale, header.rate, header.start, header.length,
        header.suggested_buffer_size, header.quality, header.sample_size}) {
    AppendLe32(out, value);
  }
  for (int16_t value :
       {header.frame_left, header.frame_top, header.frame_right, header.frame_bottom}) {
    AppendLe16(out, static_cast<uint16_t>(value));
  }
  return out;
}

std::string ToBytes(const BitmapInfo& format) {
  std::string out;
  AppendLe32(out, static_cast<uint32_t>(kBitmapInfoSize + format.extra.size()));
  AppendLe32(out, static_cast<uint32_t>(format.width));
  AppendLe32(out, static_cast<uint32_t>(format.height));
  AppendLe16(out, format.planes);
  AppendLe16(out, format.bit_count);
  for (uint32_t value :
       {format.compression, format.image_size, static_cast<uint32_t>(format.x_pixels_per_meter),
        static_cast<uint32_t>(format.y_pixels_per_meter), format.colours_used,
        format.colours_important}) {
    AppendLe32(out, value);
  }
  return out + format.extra;
}

std::string ToBytes(const WaveFormat& format) {
  std::string out;
  AppendLe16(out, format.format_tag);
  AppendLe16(out, format.channels);
  AppendLe32(out, format.samples_per_second);
  AppendLe32(out, format.average_bytes_per_second);
  AppendLe16(out, format.block_align);
  AppendLe16(out, format.bits_per_sample);
  AppendLe16(out, static_cast<uint16_t>(format.extra.size()));
  return out + format.extra;
}

std::optional<MainHeader> ParseMainHeader(const uint8_t* bytes, size_t size) {
  if (size < 40) return std::nullopt;  // the fields up to the frame size; reserved may be cut
  MainHeader header;
  header.micro_seconds_per_frame = ReadLe32(bytes);
  header.max_bytes_per_second = ReadLe32(bytes + 4);
  header.padding_granularity = ReadLe32(bytes + 8);
  header.flags = ReadLe32(bytes + 12);
  header.total_frames = ReadLe32(bytes + 16);
  header.initial_frames = ReadLe32(bytes + 20);
  header.streams = ReadLe32(bytes + 24);
  header.suggested_buffer_size = ReadLe32(bytes + 28);
  header.width = ReadLe32(bytes + 32);
  header.height = ReadLe32(bytes + 36);
  return header;
}

std::optional<StreamHeader> ParseStreamHeader(const uint8_t* bytes, size_t size) {
  if (size < 48) return std::nullopt;  // the frame rectangle is optional in older writers
  StreamHeader header;
  header.type = ReadLe32(bytes);
  header.handler = ReadLe32(bytes + 4);
  header.flags = ReadLe32(bytes + 8);
  header.priority = ReadLe16(bytes + 12);
  header.language = ReadLe16(bytes + 14);
  header.initial_frames = ReadLe32(bytes + 16);
  header.scale = ReadLe32(bytes + 20);
  header.rate = ReadLe32(bytes + 24);
  header.start = ReadLe32(bytes + 28);
  header.length = ReadLe32(bytes + 32);
  header.suggested_buffer_size = ReadLe32(bytes + 36);
  header.quality = ReadLe32(bytes + 40);
  header.sample_size = ReadLe32(bytes + 44);
  if (size >= kStreamHeaderSize) {
    header.frame_left = static_cast<int16_t>(ReadLe16(bytes + 48));
    header.frame_top = static_cast<int16_t>(ReadLe16(bytes + 50));
    header.frame_right = static_cast<int16_t>(ReadLe16(bytes + 52));
    header.frame_bottom = static_cast<int16_t>(ReadLe16(bytes + 54));
  }
  return header;
}

std::optional<BitmapInfo> ParseBitmapInfo(const uint8_t* bytes, size_t size) {
  if (size < kBitmapInfoSize) return std::nullopt;
  BitmapInfo format;
  const uint32_t record_size = ReadLe32(bytes);
  format.width = static_cast<int32_t>(ReadLe32(bytes + 4));
  format.height = static_cast<int32_t>(ReadLe32(bytes + 8));
  format.planes = ReadLe16(bytes + 12);
  format.bit_count = ReadLe16(bytes + 14);
  format.compression = ReadLe32(bytes + 16);
  format.image_size = ReadLe32(bytes + 20);
  format.x_pixels_per_meter = static_cast<int32_t>(ReadLe32(bytes + 24));
  format.y_pixels_per_meter = static_cast<int32_t>(ReadLe32(bytes + 28));
  format.colours_used = ReadLe32(bytes + 32);
  format.colours_important = ReadLe32(bytes + 36);
  if (record_size > kBitmapInfoSize) {
    const size_t extra = std::min<size_t>(record_size - kBitmapInfoSize, size - kBitmapInfoSize);
    format.extra.assign(reinterpret_cast<const char*>(bytes + kBitmapInfoSize), extra);
  }
  return format;
}

std::optional<WaveFormat> ParseWaveFormat(const uint8_t* bytes, size_t size) {
  if (size < kWaveFormatMinimumSize) return std::nullopt;
  WaveFormat format;
  format.format_tag = ReadLe16(bytes);
  format.channels = ReadLe16(bytes + 2);
  format.samples_per_second = ReadLe32(bytes + 4);
  format.average_bytes_per_second = ReadLe32(bytes + 8);
  format.block_align = ReadLe16(bytes + 12);
  format.bits_per_sample = ReadLe16(bytes + 14);
  if (size >= kWaveFormatSize) {
    const size_t extra = std::min<size_t>(ReadLe16(bytes + 16), size - kWaveFormatSize);
    format.extra.assign(reinterpret_cast<const char*>(bytes + kWaveFormatSize), extra);
  }
  return format;
}

}  // namespace vantrel::avi
