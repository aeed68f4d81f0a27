#include "playback/media_type.h"

#include <cctype>

namespace vantrel {

namespace {

bool IsH264Code(avi::FourCcValue code) {
  std::string text = avi::FourCcText(code);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text == "H264" || text == "X264" || text == "AVC1" || text == "DAVC";
}

MediaType DescribeVideo(const avi::StreamInfo& stream) {
  MediaType type;
  type.major = MajorType::kVideo;
  const avi::FourCcValue compression = stream.video ? stream.video->compression : 0;
  type.codec = compression != 0 ? compression : stream.header.handler;
  type.subtype = IsH264Code(compression) || IsH264Code(stream.header.handler)
                     ? MediaSubtype::kH264
                     : MediaSubtype::kOtherVideo;
  if (stream.video) {
    type.width = stream.video->width;
    type.height = stream.video->height;
    type.extra = stream.video->extra;
  }
  return type;
}

MediaType DescribeAudio(const avi::StreamInfo& stream) {
  MediaType type;
  type.major = MajorType::kAudio;
  type.subtype = MediaSubtype::kCompressedAudio;
  if (!stream.audio) return type;
  const avi::WaveFormat& format = *stream.audio;
  type.codec = format.format_tag;
  switch (format.format_tag) {
    case avi::kWaveFormatPcm:
      type.subtype = MediaSubtype::kPcm;
      break;
    case avi::kWaveFormatRawAac:
    case avi::kWaveFormatMpegHeAac:
    case avi::kWaveFormatFaadAac:
      type.subtype = MediaSubtype::kAac;
      break;
    default:
      break;
  }
  type.sample_rate = format.samples_per_second;
  type.channels = format.channels;
  type.bits_per_sample = format.bits_per_sample;
  type.block_align = format.block_align;
  type.average_bytes_per_second = format.average_bytes_per_second;
  type.extra = format.extra;
  return type;
}

}  // namespace

std::optional<MediaType> DescribeStream(const avi::StreamInfo& stream) {
  switch (stream.header.type) {
    case avi::kVideoStream:
      return DescribeVideo(stream);
    case avi::kAudioStream:
      return DescribeAudio(stream);
    case avi::kTextStream:
      return MediaType{};
    default:
      return std::nullopt;
  }
}

}  // namespace vantrel
