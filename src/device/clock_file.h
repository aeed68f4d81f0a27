// "time.cfg", the clock file the recorder sets its clock from, and the six clock lists of the
// settings dialog it is read into and written from. Two lines, CR LF each:
//   13/05/07      year (last two digits) / month / day
//   14/03/09      hour / minute / second
// for 7 May 2013, 14:03:09.
#pragma once

#include <array>
#include <ctime>
#include <string>

namespace vantrel::device {

// The six lists, in the file's order.
enum ClockList { kClockYear, kClockMonth, kClockDay, kClockHour, kClockMinute, kClockSecond };
inline constexpr int kClockListCount = 6;

inline constexpr int kFirstClockYear = 2011;
inline constexpr int kLastClockYear = 2030;

// The selected entry of each list; -1 (kNoSelection) when a list has none.
struct ClockSelection {
  std::array<int, kClockListCount> index{-1, -1, -1, -1, -1, -1};

  bool operator==(const ClockSelection&) const = default;
};

// Entries of a list: years 2011..2030 as "%04d", months "01".."12", days "01".."31" (whatever the
// month), hours "00".."23", minutes and seconds "00".."59".
int ClockEntryCount(ClockList list);
// The text of an entry; empty for an index outside the list.
std::string ClockEntryText(ClockList list, int index);
// The entry whose text equals text exactly; -1 when none does.
int FindClockEntry(ClockList list, const std::string& text);

// The entry of a value (2013 in the year list, 5 in the month list); -1 when none.
int ClockEntryOfValue(ClockList list, long long value);

// Selects in each list the entry of the given local time; a field with no entry (a year outside
// 2011..2030) leaves its list as it was.
void SelectClockTime(const std::tm& local_time, ClockSelection& clock);

// Reads the file at path into the lists: characters 0-1, 3-4 and 6-7 of each line (the year
// prefixed with "20"), separators unchecked. A value with no entry, or missing, leaves its list as
// it was. False, with nothing changed, when the file cannot be opened.
bool ReadClockFile(const std::string& path, ClockSelection& clock);

// The file's two lines from the lists' selected entries (a list without one gives an empty
// field).
std::string FormatClockFile(const ClockSelection& clock);

// Replaces the file at path with FormatClockFile (through a new file beside it). False when
// writing failed.
bool WriteClockFile(const std::string& path, const ClockSelection& clock);

}  // namespace vantrel::device
