#include "tools/local_time.h"

#include <chrono>
#include <ctime>

namespace vantrel::tools {

LocalTime ReadLocalClock() {
  const auto now = std::chrono::system_clock::now();
  const auto since_epoch = now.time_since_epoch();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  LocalTime time;
  time.year = parts.tm_year + 1900;
  time.month = parts.tm_mon + 1;
  time.day = parts.tm_mday;
  time.hour = parts.tm_hour;
  time.minute = parts.tm_min;
  time.second = parts.tm_sec;
  time.millisecond = static_cast<int>(
      std::chrono::duration_cast<std::chrono::milliseconds>(since_epoch).count() % 1000);
  return time;
}

std::optional<LocalTime> ParseLocalTime(std::string_view text) {
  // Digits where the pattern has them, the separators where it has those.
  constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd.ddd";
  if (text.size() != 19 && text.size() != 23) return std::nullopt;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kPattern[i] == 'd' ? !digit : text[i] != kPattern[i]) return std::nullopt;
  }
  auto number = [text](size_t from, size_t count) {
    int value = 0;
    for (size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - '0');
    return value;
  };
  LocalTime time{number(0, 4),
                 number(5, 2),
                 number(8, 2),
                 number(11, 2),
                 number(14, 2),
                 number(17, 2),
                 text.size() == 23 ? number(20, 3) : 0};
  const bool in_range = time.month >= 1 && time.month <= 12 && time.day >= 1 && time.day <= 31 &&
                        time.hour <= 23 && time.minute <= 59 && time.second <= 60;
  if (!in_range) return std::nullopt;
  return time;
}

}  // namespace vantrel::tools
