// How every subcommand says what went wrong: one line on standard error naming the subcommand,
// and the exit code a script can tell apart (1 a refusal or failure, 2 a command line the
// subcommand cannot follow).
#pragma once

#include <string>
#include <vector>

#include "files/input_file.h"

namespace vantrel::cli {

// "vantrel-cli COMMAND: WHY" on standard error; returns 1.
int Failure(const std::string& command, const std::string& why);

// "vantrel-cli COMMAND: WHY" and the subcommand's usage on standard error; returns 2.
int UsageError(const std::string& command, const std::string& why, const std::string& usage);

// Checked before anything is read: a path that would block, never end or is of the wrong kind
// is refused with Failure's line ("cannot read PATH: REASON"). False when refused.
bool InputReadable(const std::string& command, const std::string& path,
                   files::InputKind kind = files::InputKind::kRegularFile);

// InputReadable, and the file starts as a recording does (a RIFF AVI header, whole). Refused
// with Failure's line saying why not; false when refused.
bool RecordingReadable(const std::string& command, const std::string& path);

// "cannot read PATH: REASON", the reason the system's or the file's kind, for a file a library
// could not read.
std::string CannotRead(const std::string& path);

// Checked before anything is written: an output that leads to one of the inputs (through a
// link or not) is refused with Failure's line naming both. False when refused.
bool OutputNotAnInput(const std::string& command, const std::string& output,
                      const std::vector<std::string>& inputs);

// Checked before a command prints what it read from input: standard output sent into the input
// itself (">>" keeps it whole until written) would grow the file being read. Refused with
// Failure's line; false when refused.
bool StandardOutputNotInto(const std::string& command, const std::string& input);

}  // namespace vantrel::cli
