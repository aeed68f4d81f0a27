// The commands of dashcam-sim. Each takes the words after its own name and returns the process
// exit code: 0 done, 1 failed, 2 wrong words.
#pragma once

#include <string>
#include <vector>

namespace vantrel::sim::tool {

using Words = std::vector<std::string>;

int RecordingCommand(const Words& words);
int CardCommand(const Words& words);
int LyfsCardCommand(const Words& words);

// The options' help text of each command and of the options common to all of them, for --help.
extern const char kRecordingHelp[];
extern const char kCardHelp[];
extern const char kLyfsCardHelp[];
extern const char kCommonHelp[];

}  // namespace vantrel::sim::tool
