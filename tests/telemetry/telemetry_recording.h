// Test recordings with exactly the telemetry packets a test needs: a one-channel AVI whose
// front video frames (10 per second, contents meaningless) and text chunks are laid out in the
// order given, so each packet's stamp is the time of the last frame before it.
#pragma once

#include <string>
#include <vector>

namespace vantrel::test {

struct RecordingPiece {
  int frames = 0;      // this many video frames first
  std::string packet;  // then this text chunk, when not empty
};

inline constexpr int kTestFramesPerSecond = 10;

// False when the file cannot be written.
bool WriteTelemetryRecording(const std::string& path, const std::vector<RecordingPiece>& pieces);

}  // namespace vantrel::test
