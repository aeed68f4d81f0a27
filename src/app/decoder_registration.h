// Puts the viewer on the video decoder's per-user list of programs it serves (the decoder
// refuses all others) and switches on its H.264 decoding, on every start. Failures are ignored:
// playback then fails later and says so.
#pragma once

#include <string>

#include "platform/settings_store.h"

namespace vantrel {

// The decoder's key, and the key its older builds read.
inline constexpr char kDecoderKeyPath[] = "Software\\GNU\\ffdshow";
inline constexpr char kDecoderParentKeyPath[] = "Software\\GNU";
inline constexpr char kLegacyDecoderKeyPath[] = "Software\\QX\\ffdshow";

// DecoderApplicationNames() with ";" after each name, the last included.
std::string DecoderApplicationList();

// Writes the decoder's values into `store`: "multipleInstances" 0, "isWhitelist" 0, "h264" 1
// and the "whitelist" text under kDecoderKeyPath, then the same "whitelist" under
// kLegacyDecoderKeyPath. Every key it obtains is closed again.
void RegisterWithVideoDecoder(platform::SettingsStore& store);

// The start-up step: registers in platform::PerUserRegistry(), so nothing happens on Linux.
void RegisterWithVideoDecoder();

}  // namespace vantrel
