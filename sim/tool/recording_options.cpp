#include "recording_options.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "number_words.h"

namespace vantrel::sim::tool {

const std::set<std::string> kCommonValued = {
    "start",  "seconds",  "fps",          "front", "rear",       "keyint",     "bitrate",
    "preset", "gps-rate", "gsensor-rate", "shock", "gps-status", "utc-offset", "seed"};
const std::set<std::string> kCommonFlags = {"south", "west"};

const char kCommonHelp[] =
    "    --start YYYYMMDD_HHMMSS  recorder clock at the start (20140101_120000)\n"
    "    --seconds N          length (3; fractions allowed)\n"
    "    --fps N              frames per second (30)\n"
    "    --front WxH          front picture size (320x180)\n"
    "    --rear WxH           rear picture size (320x180)\n"
    "    --keyint N           frames between key frames (30)\n"
    "    --bitrate KBPS       per camera; 0 scales 10 Mbit/s at 1920x1080 30 fps by area (0)\n"
    "    --preset NAME        x264 speed preset (superfast)\n"
    "    --gps-rate HZ        GPS fixes per second (1)\n"
    "    --gsensor-rate HZ    G-sensor samples per second (10)\n"
    "    --shock SECONDS      a jolt on the G-sensor at that time\n"
    "    --gps-status A|V|mixed  fix status: always, never, or searching at first and a tunnel "
    "(A)\n"
    "    --south, --west      drive in the southern / western hemisphere\n"
    "    --utc-offset MINUTES the recorder's clock ahead of the GPS's UTC (540, Korea)\n"
    "    --seed N             varies picture, sound and drive; same seed, same bytes (1)\n";

namespace {

std::optional<FrameSize> ParseSize(const std::string& text) {
  int width = 0, height = 0;
  char tail = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &width, &height, &tail) != 2) return std::nullopt;
  return FrameSize{width, height};
}

std::optional<ClockTime> ParseStart(const std::string& text) {
  if (text.size() != 15 || text[8] != '_') return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i) {
    if (i != 8 && (text[i] < '0' || text[i] > '9')) return std::nullopt;
  }
  auto field = [&](size_t at, size_t length) { return std::atoi(text.substr(at, length).c_str()); };
  return ClockTime{field(0, 4), field(4, 2), field(6, 2), field(9, 2), field(11, 2), field(13, 2)};
}

bool ReadNumber(const cli::Arguments& arguments, const std::string& name, double* value,
                std::string* error) {
  const auto text = arguments.Value(name);
  if (!text) return true;
  const auto number = cli::FiniteNumber(*text, std::numeric_limits<double>::lowest(),
                                        std::numeric_limits<double>::max());
  if (!number) {
    *error = "--" + name + " needs a number, not \"" + *text + "\"";
    return false;
  }
  *value = *number;
  return true;
}

bool ReadSize(const cli::Arguments& arguments, const std::string& name, FrameSize* size,
              std::string* error) {
  const auto text = arguments.Value(name);
  if (!text) return true;
  const auto parsed = ParseSize(*text);
  if (!parsed) {
    *error = "--" + name + " needs WIDTHxHEIGHT, not \"" + *text + "\"";
    return false;
  }
  *size = *parsed;
  return true;
}

}  // namespace

bool ApplyCommonOptions(const cli::Arguments& arguments, RecordingDescription* d,
                        std::string* error) {
  if (const auto start = arguments.Value("start")) {
    const auto parsed = ParseStart(*start);
    if (!parsed) {
      *error = "--start needs YYYYMMDD_HHMMSS, not \"" + *start + "\"";
      return false;
    }
    d->start = *parsed;
  }
  long long fps = d->fps, keyint = d->keyint, bitrate = d->bitrate_kbps;
  long long utc_offset = d->utc_offset_minutes;
  long long seed = static_cast<long long>(d->seed);
  if (!arguments.Whole("fps", 1, 120, &fps, error) ||
      !arguments.Whole("keyint", 1, 100000, &keyint, error) ||
      !arguments.Whole("bitrate", 0, 200000, &bitrate, error) ||
      !arguments.Whole("seed", 0, INT64_MAX, &seed, error) ||
      !arguments.Whole("utc-offset", -720, 840, &utc_offset, error)) {
    return false;
  }
  d->utc_offset_minutes = static_cast<int>(utc_offset);
  d->fps = static_cast<int>(fps);
  d->keyint = static_cast<int>(keyint);
  d->bitrate_kbps = static_cast<int>(bitrate);
  d->seed = static_cast<uint64_t>(seed);
  if (!ReadNumber(arguments, "seconds", &d->seconds, error) ||
      !ReadNumber(arguments, "gps-rate", &d->gps_rate_hz, error) ||
      !ReadNumber(arguments, "gsensor-rate", &d->gsensor_rate_hz, error) ||
      !ReadSize(arguments, "front", &d->front, error) ||
      !ReadSize(arguments, "rear", &d->rear, error)) {
    return false;
  }
  if (arguments.Has("shock")) {
    double shock = 0;
    if (!ReadNumber(arguments, "shock", &shock, error)) return false;
    d->shock_seconds = shock;
  }
  if (const auto preset = arguments.Value("preset")) d->preset = *preset;
  if (const auto status = arguments.Value("gps-status")) {
    if (*status == "A") {
      d->gps_status = GpsStatusMode::kValid;
    } else if (*status == "V") {
      d->gps_status = GpsStatusMode::kInvalid;
    } else if (*status == "mixed") {
      d->gps_status = GpsStatusMode::kMixed;
    } else {
      *error = "--gps-status needs A, V or mixed";
      return false;
    }
  }
  d->south = arguments.Has("south");
  d->west = arguments.Has("west");
  return true;
}

std::string UnknownOption(const Words& words, const std::set<std::string>& valued,
                          const std::set<std::string>& flags) {
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i].size() <= 2 || words[i].compare(0, 2, "--") != 0) continue;
    const std::string name = words[i].substr(2);
    if (valued.count(name) != 0) {
      ++i;
    } else if (flags.count(name) == 0) {
      return words[i];
    }
  }
  return "";
}

std::set<std::string> Join(std::set<std::string> a, const std::set<std::string>& b) {
  a.insert(b.begin(), b.end());
  return a;
}

}  // namespace vantrel::sim::tool
