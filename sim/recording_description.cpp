#include "sim/recording_description.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vantrel::sim {
namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidClockTime(const ClockTime& time) {
  // The GPS writes a two-digit year that the viewer reads back as 1970-2069.
  if (time.year < 1970 || time.year > 2069 || time.month < 1 || time.month > 12) return false;
  if (time.day < 1 || time.day > DaysInMonth(time.year, time.month)) return false;
  return time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 &&
         time.second >= 0 && time.second < 60;
}

bool IsValidFrameSize(const FrameSize& size) {
  // 4:2:0 pictures need even sides.
  return size.width >= 16 && size.width <= 4096 && size.height >= 16 && size.height <= 4096 &&
         size.width % 2 == 0 && size.height % 2 == 0;
}

bool IsValidKind(const std::string& kind) {
  // Three characters keep the channel mark at character 20, where the viewer looks for it.
  if (kind.size() != 3) return false;
  return std::all_of(kind.begin(), kind.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

}  // namespace

std::string CheckDescription(const RecordingDescription& d) {
  if (!IsValidKind(d.kind)) return "kind must be three letters or digits";
  if (!IsValidClockTime(d.start)) return "start time is not a valid date and time (1970-2069)";
  if (d.channels != 1 && d.channels != 2) return "channels must be 1 or 2";
  if (!(d.seconds > 0 && d.seconds <= 3600)) return "seconds must be above 0 and at most 3600";
  if (d.fps < 1 || d.fps > 120) return "fps must be 1 to 120";
  if (!IsValidFrameSize(d.front) || (d.channels == 2 && !IsValidFrameSize(d.rear))) {
    return "picture sizes must be even, 16 to 4096 pixels";
  }
  if (d.keyint < 1) return "keyint must be at least 1";
  if (d.bitrate_kbps < 0 || d.bitrate_kbps > 200000) return "bitrate must be 0 to 200000 kbit/s";
  if (!(d.gps_rate_hz > 0 && d.gps_rate_hz <= 100)) return "gps rate must be above 0, at most 100";
  if (!(d.gsensor_rate_hz > 0 && d.gsensor_rate_hz <= 1000)) {
    return "g-sensor rate must be above 0, at most 1000";
  }
  if (d.shock_seconds && !(*d.shock_seconds >= 0 && *d.shock_seconds <= d.seconds)) {
    return "shock must fall inside the recording";
  }
  if (d.utc_offset_minutes < -12 * 60 || d.utc_offset_minutes > 14 * 60) {
    return "utc offset must be -720 to 840 minutes";
  }
  // RIFF sizes are 32-bit: refuse at once what would fail after hours of encoding.
  double bytes_per_second = ChannelBitRate(d, d.front) / 8.0 + 2 * 22050;
  if (d.channels == 2) bytes_per_second += ChannelBitRate(d, d.rear) / 8.0;
  if (bytes_per_second * 1.25 * d.seconds > 4e9) return "too long for one AVI file";
  return "";
}

std::string RecordingFileName(const RecordingDescription& d) {
  char name[64];
  std::snprintf(name, sizeof name, "%s_%04d%02d%02d_%02d%02d%02d_%d.avi", d.kind.c_str(),
                d.start.year, d.start.month, d.start.day, d.start.hour, d.start.minute,
                d.start.second, d.channels);
  return name;
}

int FrameCount(const RecordingDescription& d) {
  return std::max(1, static_cast<int>(std::lround(d.seconds * d.fps)));
}

int64_t ChannelBitRate(const RecordingDescription& d, const FrameSize& size) {
  if (d.bitrate_kbps > 0) return int64_t{d.bitrate_kbps} * 1000;
  const double area = static_cast<double>(size.width) * size.height / (1920.0 * 1080.0);
  const double rate = 10e6 * area * d.fps / 30.0;
  return std::max<int64_t>(100000, static_cast<int64_t>(rate));
}

}  // namespace vantrel::sim
