// The local date and time of a moment, down to the millisecond, as snapshots and the printed
// report name and print it. The clock is a function so that tests and the command line can give
// the moment themselves.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace vantrel::tools {

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

using LocalClock = std::function<LocalTime()>;

// One reading of the computer's clock in the local time zone.
LocalTime ReadLocalClock();

// "YYYY-MM-DD hh:mm:ss" or "YYYY-MM-DD hh:mm:ss.mmm" (milliseconds 0 when absent); none for any
// other text or a field out of its range.
std::optional<LocalTime> ParseLocalTime(std::string_view text);

}  // namespace vantrel::tools
