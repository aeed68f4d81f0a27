// Inputs that are not recordings: a fifo nobody writes to, a device without end, a folder, junk
// and recordings cut inside their header. Each is refused at once with exit 1 and one line that
// says why; nothing is written.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace vantrel::test {
namespace {

// Every subcommand that reads a recording or an option file, IN standing for the input.
const std::vector<std::vector<std::string>> kReaders = {
    {"probe", "IN"},
    {"telemetry", "IN"},
    {"export", "IN", "--gpx"},
    {"repair", "IN", "OUT"},
    {"grab", "IN", "--at", "0", "--out", "OUT"},
    {"play", "IN", "--for", "0"},
    {"bench-decode", "IN"},
    {"options", "read", "IN"},
    {"settings", "show", "IN", "--model", "0"},
    {"clock", "read", "IN"},
    {"render", "gsensor", "IN", "--size", "10x10", "--out", "OUT"},
    {"snapshot", "IN", "--at", "0", "--folder", "OUT", "--now", "2024-01-01 00:00:00.000"},
    {"report", "IN", "--at", "0", "--model", "0", "--language", "0", "--pdf", "OUT"},
    {"map-probe", "IN", "--at", "0"},
};

void ExpectEveryReaderRefuses(const std::string& input, const std::string& why) {
  TempDir dir;
  for (std::vector<std::string> words : kReaders) {
    for (std::string& word : words)
      word = word == "IN" ? input : word == "OUT" ? dir.File("out") : word;
    ExpectRefused(Cli(words), why, words[0] + " " + input);
    EXPECT_FALSE(std::filesystem::exists(dir.File("out"))) << words[0];
  }
}

TEST(HostileInput, FifosDevicesAndFoldersAreRefusedAtOnce) {
  TempDir dir;
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  ExpectEveryReaderRefuses(fifo, "cannot read " + fifo + ": not a regular file");
  ExpectEveryReaderRefuses("/dev/zero", "cannot read /dev/zero: not a regular file");
  ExpectEveryReaderRefuses(dir.path().string(), "is a folder");
  ExpectEveryReaderRefuses(dir.File("missing"), "No such file or directory");

  // A card may be a block device, but never a fifo or a character device.
  for (const std::string& device : {fifo, std::string("/dev/zero")}) {
    ExpectRefused(Cli({"lyfs", "ls", device}), "not a regular file", "lyfs ls " + device);
    ExpectRefused(Cli({"lyfs", "info", device}), "not a regular file", "lyfs info " + device);
    ExpectRefused(Cli({"lyfs", "get", device, "/EVENT/A.avi", dir.File("out")}),
                  "not a regular file", "lyfs get " + device);
    ExpectRefused(Cli({"lyfs", "put", Files().card, "EVENT", device}), "not a regular file",
                  "lyfs put " + device);
  }
  ExpectRefused(Cli({"sources", "--cards", fifo}), "not a regular file", "sources --cards");
}

TEST(HostileInput, JunkAndCutRecordingsAreNotRecordings) {
  TempDir dir;
  std::mt19937 random(19);
  std::string junk(1000, '\0');
  for (char& c : junk) c = static_cast<char>(random());
  ASSERT_TRUE(WriteFile(dir.File("junk.avi"), junk));
  const std::string recording = ReadFile(Files().recording);
  ASSERT_TRUE(WriteFile(dir.File("cut-header.avi"), recording.substr(0, 100)));
  ASSERT_TRUE(WriteFile(dir.File("twelve.avi"), recording.substr(0, 12)));
  ASSERT_TRUE(WriteFile(dir.File("empty.avi"), ""));
  const struct {
    const char* name;
    const char* why;
  } cases[] = {{"junk.avi", "not a RIFF AVI recording"},
               {"cut-header.avi", "its header is cut short"},
               {"twelve.avi", "not a RIFF AVI recording"},
               {"empty.avi", "not a RIFF AVI recording"}};
  for (const auto& c : cases) {
    const std::string input = dir.File(c.name);
    const ProgramRun repair = Cli({"repair", input, dir.File("out.avi")});
    ExpectRefused(repair, c.why, std::string("repair ") + c.name);
    EXPECT_EQ(repair.output, "") << "no action is claimed for " << c.name;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out.avi"))) << c.name;
    ExpectRefused(Cli({"probe", input}), c.why, std::string("probe ") + c.name);
    ExpectRefused(Cli({"grab", input, "--at", "0", "--out", dir.File("out.jpg")}), c.why,
                  std::string("grab ") + c.name);
  }
}

TEST(HostileInput, SnapshotReportMapProbeAndCardTakeOnlyWholeNumbers) {
  const std::string in = Files().recording;
  TempDir dir;
  const std::vector<std::vector<std::string>> bad = {
      {"snapshot", in, "--at", "1.5", "--folder", dir.path().string()},
      {"snapshot", in, "--at", "-1", "--folder", dir.path().string()},
      {"report", in, "--at", "12x", "--model", "0", "--language", "0", "--pdf", dir.File("r")},
      {"report", in, "--at", "0", "--model", "one", "--language", "0", "--pdf", dir.File("r")},
      {"report", in, "--at", "0", "--model", "0", "--language", "99999999999", "--pdf",
       dir.File("r")},
      {"map-probe", in, "--at", "0x10"},
      {"map-probe", in, "--at", ""},
      {"card", "summary", "--source", "first"},
      {"card", "format", "--source", "0", "--model", "X", "--sd-allocation", "101", "--yes"},
  };
  for (const std::vector<std::string>& words : bad) {
    ExpectUsageError(Cli(words), words[0] + " " + words[words.size() - 1]);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(HostileInput, SnapshotFolderAndReportTargetAreCheckedFirst) {
  const std::string in = Files().recording;
  TempDir dir;
  const std::string missing = dir.File("missing");
  ExpectRefused(Cli({"snapshot", in, "--at", "0", "--folder", missing}),
                missing + ": No such file or directory", "snapshot into a missing folder");
  const std::string kept = dir.File("kept.pdf");
  const std::string before = "a report the user already had";
  ASSERT_TRUE(WriteFile(kept, before));
  ExpectRefused(Cli({"snapshot", in, "--at", "0", "--folder", kept}),
                kept + ": Not a directory", "snapshot into a file");

  // A moment past the one-second recording's end, and a report over its own recording.
  const FileState recording = StateOf(in);
  ExpectRefused(Cli({"report", in, "--at", "60000", "--model", "0", "--language", "0", "--pdf",
                     kept}),
                "past the end", "report past the end");
  EXPECT_EQ(ReadFile(kept), before);
  ExpectRefused(
      Cli({"report", in, "--at", "0", "--model", "0", "--language", "0", "--pdf", in}),
      "same file", "report over its recording");
  EXPECT_TRUE(StateOf(in) == recording);
  std::vector<std::string> left;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
    left.push_back(entry.path().filename().string());
  EXPECT_EQ(left, std::vector<std::string>{"kept.pdf"});
}

}  // namespace
}  // namespace vantrel::test
