#include "device/clock_file.h"

#include <cstdio>

#include "device/card_file_write.h"
#include "device/text_mode_lines.h"

namespace vantrel::device {

namespace {

// The value of an entry: year lists start at 2011, month and day lists at 1, the others at 0.
int FirstValue(ClockList list) {
  switch (list) {
    case kClockYear:
      return kFirstClockYear;
    case kClockMonth:
    case kClockDay:
      return 1;
    default:
      return 0;
  }
}

void SelectValue(ClockList list, int value, ClockSelection& clock) {
  const int index = ClockEntryOfValue(list, value);
  if (index >= 0) clock.index[list] = index;
}

void SelectText(ClockList list, const std::string& text, ClockSelection& clock) {
  const int index = FindClockEntry(list, text);
  if (index >= 0) clock.index[list] = index;
}

// Two characters of a line from position at; shorter (or empty) where the line ends.
std::string Pair(const std::string& line, size_t at) {
  return at < line.size() ? line.substr(at, 2) : std::string();
}

}  // namespace

int ClockEntryCount(ClockList list) {
  switch (list) {
    case kClockYear:
      return kLastClockYear - kFirstClockYear + 1;
    case kClockMonth:
      return 12;
    case kClockDay:
      return 31;
    case kClockHour:
      return 24;
    default:
      return 60;
  }
}

std::string ClockEntryText(ClockList list, int index) {
  if (index < 0 || index >= ClockEntryCount(list)) return {};
  char text[8];
  std::snprintf(text, sizeof text, list == kClockYear ? "%04d" : "%02d", FirstValue(list) + index);
  return text;
}

int ClockEntryOfValue(ClockList list, long long value) {
  if (value < FirstValue(list) || value - FirstValue(list) >= ClockEntryCount(list)) return -1;
  return static_cast<int>(value - FirstValue(list));
}

int FindClockEntry(ClockList list, const std::string& text) {
  for (int index = 0; index < ClockEntryCount(list); ++index) {
    if (ClockEntryText(list, index) == text) return index;
  }
  return -1;
}

void SelectClockTime(const std::tm& local_time, ClockSelection& clock) {
  SelectValue(kClockYear, local_time.tm_year + 1900, clock);
  SelectValue(kClockMonth, local_time.tm_mon + 1, clock);
  SelectValue(kClockDay, local_time.tm_mday, clock);
  SelectValue(kClockHour, local_time.tm_hour, clock);
  SelectValue(kClockMinute, local_time.tm_min, clock);
  SelectValue(kClockSecond, local_time.tm_sec, clock);
}

bool ReadClockFile(const std::string& path, ClockSelection& clock) {
  TextModeLines lines(path);
  if (!lines.is_open()) return false;
  std::string date;
  std::string time;
  if (lines.Next(date)) lines.Next(time);
  SelectText(kClockYear, "20" + Pair(date, 0), clock);
  SelectText(kClockMonth, Pair(date, 3), clock);
  SelectText(kClockDay, Pair(date, 6), clock);
  SelectText(kClockHour, Pair(time, 0), clock);
  SelectText(kClockMinute, Pair(time, 3), clock);
  SelectText(kClockSecond, Pair(time, 6), clock);
  return true;
}

std::string FormatClockFile(const ClockSelection& clock) {
  const auto text = [&clock](ClockList list) { return ClockEntryText(list, clock.index[list]); };
  const std::string year = text(kClockYear);
  const std::string short_year = year.size() >= 4 ? year.substr(2, 2) : std::string();
  return short_year + "/" + text(kClockMonth) + "/" + text(kClockDay) + "\r\n" + text(kClockHour) +
         "/" + text(kClockMinute) + "/" + text(kClockSecond) + "\r\n";
}

bool WriteClockFile(const std::string& path, const ClockSelection& clock) {
  return ReplaceFileContents(path, FormatClockFile(clock));
}

}  // namespace vantrel::device
