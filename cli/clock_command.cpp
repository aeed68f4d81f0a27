// clock write FILE YYYY MM DD hh mm ss | clock read FILE: the recorder's clock file "time.cfg"
// as the settings dialog's six clock lists write and read it.
#include <cstdio>
#include <optional>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "device/clock_file.h"

namespace vantrel::cli {

namespace {

int ClockUsage(const std::string& why) {
  std::fprintf(stderr,
               "vantrel-cli clock: %s\nusage: vantrel-cli clock write FILE YYYY MM DD hh mm ss | "
               "clock read FILE\n",
               why.c_str());
  return 2;
}

int Write(const Words& words) {
  device::ClockSelection clock;
  for (int list = 0; list < device::kClockListCount; ++list) {
    const std::string& word = words[static_cast<size_t>(list) + 2];
    // A number, so "5" is the month entry "05".
    const std::optional<long long> number = WholeNumber(word);
    const int index =
        number ? device::ClockEntryOfValue(static_cast<device::ClockList>(list), *number) : -1;
    if (index < 0) {
      std::fprintf(stderr, "vantrel-cli clock: %s is not in the clock's lists\n", word.c_str());
      return 1;
    }
    clock.index[static_cast<size_t>(list)] = index;
  }
  if (!device::WriteClockFile(words[1], clock)) {
    std::fprintf(stderr, "vantrel-cli clock: cannot write %s\n", words[1].c_str());
    return 1;
  }
  return 0;
}

int Read(const std::string& path) {
  device::ClockSelection clock;
  const bool read = device::ReadClockFile(path, clock);
  std::string line;
  for (int list = 0; list < device::kClockListCount; ++list) {
    const std::string text = device::ClockEntryText(static_cast<device::ClockList>(list),
                                                    clock.index[static_cast<size_t>(list)]);
    if (list > 0) line += ' ';
    line += text.empty() ? "-" : text;
  }
  std::printf("%s\n", line.c_str());
  return read ? 0 : 1;
}

}  // namespace

int ClockCommand(const Words& words) {
  if (words.size() == 8 && words[0] == "write") return Write(words);
  if (words.size() == 2 && words[0] == "read") return Read(words[1]);
  return ClockUsage("expected write FILE YYYY MM DD hh mm ss or read FILE");
}

}  // namespace vantrel::cli
