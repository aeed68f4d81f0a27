// What one simulated recording holds: the recorder's settings and the drive it records. Every
// field has a default that gives a small, quick, complete recording; tests change what they need.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel::sim {

enum class AudioKind { kNone, kPcm, kAac };

// Which GPS status letters the telemetry carries: all A, all V, or a receiver that searches for a
// fix at first and loses it for a while later (a tunnel).
enum class GpsStatusMode { kValid, kInvalid, kMixed };

struct FrameSize {
  int width = 320;
  int height = 180;
};

// A date and time as the recorder's clock shows it (local time); it names the file.
struct ClockTime {
  int year = 2014;
  int month = 1;
  int day = 1;
  int hour = 12;
  int minute = 0;
  int second = 0;
};

struct RecordingDescription {
  std::string kind = "REC";  // REC, EVT, PRK, MOT, MDI (or any 3 letters): starts the name
  ClockTime start;
  int channels = 1;  // 1 front only, 2 front and rear
  double seconds = 3.0;
  int fps = 30;
  FrameSize front;
  FrameSize rear;
  AudioKind audio = AudioKind::kPcm;
  int keyint = 30;       // frames from one key frame to the next
  int bitrate_kbps = 0;  // per channel; 0: about 10 Mbit/s at 1920x1080, scaled by picture area
  std::string preset = "superfast";  // x264 speed preset
  double gps_rate_hz = 1.0;
  double gsensor_rate_hz = 10.0;
  std::optional<double> shock_seconds;  // a jolt on the G-sensor this far into the recording
  GpsStatusMode gps_status = GpsStatusMode::kValid;
  bool south = false;
  bool west = false;
  // The recorder's clock runs this far ahead of UTC; the GPS writes UTC. The recorder's home
  // market is Korea (UTC+9), which the viewer's GPS time shift assumes.
  int utc_offset_minutes = 9 * 60;
  // Power lost while recording: sizes and totals never patched, no index, last chunk cut.
  bool interrupted = false;
  uint64_t seed = 1;
};

// Empty when the description can be recorded, else what is wrong with it.
std::string CheckDescription(const RecordingDescription& description);

// The recorder's own name for the recording, e.g. "REC_20140101_120000_1.avi".
std::string RecordingFileName(const RecordingDescription& description);

// Front video frames in the recording.
int FrameCount(const RecordingDescription& description);

// The bit rate one channel is encoded with, in bits per second.
int64_t ChannelBitRate(const RecordingDescription& description, const FrameSize& size);

}  // namespace vantrel::sim
