// What an output pin of the splitter carries: the major type, the coding, and the facts of the
// stream's format block that a decoder needs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "avi/avi_header.h"

namespace vantrel {

enum class MajorType { kVideo, kAudio, kText };

enum class MediaSubtype {
  kH264,
  kOtherVideo,
  kPcm,
  kAac,
  kCompressedAudio,  // any other audio coding
  kTelemetry,
};

struct MediaType {
  MajorType major = MajorType::kText;
  MediaSubtype subtype = MediaSubtype::kTelemetry;
  uint32_t codec = 0;  // video: compression code (FourCC); audio: format tag
  int32_t width = 0;
  int32_t height = 0;
  uint32_t sample_rate = 0;
  uint16_t channels = 0;
  uint16_t bits_per_sample = 0;
  uint16_t block_align = 0;
  uint32_t average_bytes_per_second = 0;
  std::string extra;  // codec data from the format block
};

// The media type of a stream by its header and format; none for a stream type the splitter
// does not deliver.
std::optional<MediaType> DescribeStream(const avi::StreamInfo& stream);

}  // namespace vantrel
