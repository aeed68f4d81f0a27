// What the hostile command-line tests share: the built programs run with their standard error
// kept, one small recording and one LyFS card holding it, made once for all the tests, and
// checks of what a refused command left on disk.
#pragma once

#include <sys/stat.h>

#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel::test {

// "vantrel-cli WORDS..." with standard error kept apart.
ProgramRun Cli(const std::vector<std::string>& words);

// The same run as the unprivileged user "nobody" (through setpriv) when this test runs as root,
// else as the running user. False in *ran when it cannot be done here.
ProgramRun CliAsUser(const std::vector<std::string>& words, bool* ran);

// A file's identity and its last change: equal before and after when nothing touched it.
struct FileState {
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  bool operator==(const FileState& other) const;
};
FileState StateOf(const std::string& path);

// Paths made once for the whole suite, in a folder every user may read.
struct Fixture {
  std::string folder;
  std::string recording;    // one second, front and rear, without sound (repair adds it)
  std::string interrupted;  // the same cut by a power loss
  std::string card;         // a LyFS card image holding the recording in EVENT
  std::string card_file;    // its path on the card
};
const Fixture& Files();

// Checks a refusal: exit 1 and exactly one line on standard error holding `words`.
void ExpectRefused(const ProgramRun& run, const std::string& words, const std::string& what);
// Checks a usage error: exit 2 and the subcommand's usage on standard error.
void ExpectUsageError(const ProgramRun& run, const std::string& what);

}  // namespace vantrel::test
