// An output that is an input, by its own name, through a symbolic link or through a hard link:
// every writing command refuses it before touching anything, naming both, and the input stays
// as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace vantrel::test {
namespace {

// The input's own name and two other names of it, made in dir.
std::vector<std::string> NamesOf(const std::string& input, const TempDir& dir) {
  const std::string name = std::filesystem::path(input).filename().string();
  const std::string symbolic = dir.File("symbolic-" + name);
  const std::string hard = dir.File("hard-" + name);
  std::filesystem::create_symlink(input, symbolic);
  std::filesystem::create_hard_link(input, hard);
  return {input, symbolic, hard};
}

// Runs words (with OUT standing for each name of input), expecting a refusal naming both.
void ExpectInputKept(const std::string& input, std::vector<std::string> words) {
  TempDir dir;
  const auto out = std::find(words.begin(), words.end(), "OUT");
  ASSERT_NE(out, words.end());
  for (const std::string& name : NamesOf(input, dir)) {
    std::vector<std::string> run_words = words;
    for (std::string& word : run_words) word = word == "IN" ? input : word == "OUT" ? name : word;
    const FileState before = StateOf(input);
    const ProgramRun run = Cli(run_words);
    ExpectRefused(run, "is the same file as input " + input, words[0] + " into " + name);
    EXPECT_NE(run.error.find(name), std::string::npos) << run.error;
    EXPECT_TRUE(StateOf(input) == before) << words[0] << " into " << name << " touched the input";
  }
}

TEST(SameFileOutput, EveryWritingCommandRefusesToWriteOverItsInput) {
  const Fixture& files = Files();
  ExpectInputKept(files.card, {"lyfs", "get", "IN", files.card_file, "OUT"});
  ExpectInputKept(files.recording, {"lyfs", "put", "OUT", "EVENT", "IN"});
  ExpectInputKept(files.recording, {"repair", "IN", "OUT"});
  ExpectInputKept(files.interrupted, {"repair", "IN", "OUT"});
  ExpectInputKept(files.recording, {"repair", files.recording, "IN", "OUT", "--audio-less", "1",
                                    "--riff-size", "0"});
  ExpectInputKept(files.recording, {"grab", "IN", "--at", "0", "--out", "OUT"});
  ExpectInputKept(files.recording, {"settings", "rewrite", "IN", "OUT", "--model", "0"});
  ExpectInputKept(files.recording, {"render", "gsensor", "IN", "--size", "10x10", "--out", "OUT"});
}

TEST(SameFileOutput, CommandsPrintingAboutARecordingRefuseToAppendToIt) {
  const std::string& input = Files().recording;
  const FileState before = StateOf(input);
  for (const char* words : {"export \"$1\" --csv", "telemetry \"$1\"", "probe \"$1\""}) {
    const ProgramRun run = RunProgram(
        "sh",
        {"-c", std::string("exec \"$0\" ") + words + " >>\"$1\"", ToolPath("vantrel-cli"), input},
        ErrorOutput::kSeparate);
    ExpectRefused(run, "standard output is the same file as input " + input, words);
    EXPECT_TRUE(StateOf(input) == before) << words;
  }
}

}  // namespace
}  // namespace vantrel::test
