#include "telemetry/fix_time.h"

#include <ctime>

namespace vantrel {
namespace {

// Days from 1970-01-01 to the first of the given month of the proleptic Gregorian calendar;
// months outside 1-12 carry into the year.
int64_t DaysFromCivil(int64_t year, int64_t month) {
  year += (month - 1 >= 0 ? (month - 1) / 12 : (month - 12) / 12);
  month = ((month - 1) % 12 + 12) % 12 + 1;
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t year_of_era = year - era * 400;
  const int64_t day_of_year = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5;
  const int64_t day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * 146097 + day_of_era - 719468;
}

}  // namespace

int FullYear(int two_digit_year) {
  return two_digit_year < 70 ? 2000 + two_digit_year : 1900 + two_digit_year;
}

int64_t LocalFixTime(const GpsRecord& record) {
  std::tm calendar{};
  calendar.tm_year = FullYear(record.year) - 1900;
  calendar.tm_mon = record.month - 1;
  calendar.tm_mday = record.day;
  calendar.tm_hour = record.hour;
  calendar.tm_min = record.minute;
  calendar.tm_sec = record.second;
  calendar.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&calendar));
}

int64_t SentenceUtcTime(const GpsRecord& record) {
  const int64_t days = DaysFromCivil(FullYear(record.year), record.month) + record.day - 1;
  return days * 86400 + (int64_t{record.hour} - kRecorderHourShift) * 3600 +
         int64_t{record.minute} * 60 + record.second;
}

}  // namespace vantrel
