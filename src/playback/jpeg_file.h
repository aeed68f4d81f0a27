// Writes a captured channel picture as a JPEG file with libavcodec's MJPEG encoder.
#pragma once

#include <string>

#include "playback/channel_image.h"

namespace vantrel {

// False when the picture is empty or malformed, or the file cannot be encoded or written.
bool WriteJpegFile(const ChannelImage& image, const std::string& path);

}  // namespace vantrel
