#include "cli_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace vantrel::test {

ProgramRun Cli(const std::vector<std::string>& words) {
  return RunProgram(ToolPath("vantrel-cli"), words, ErrorOutput::kSeparate);
}

ProgramRun CliAsUser(const std::vector<std::string>& words, bool* ran) {
  *ran = true;
  if (::geteuid() != 0) return Cli(words);
  if (RunProgram("setpriv", {"--version"}).exit_code != 0) {
    *ran = false;
    return {};
  }
  std::vector<std::string> command = {"--reuid=65534", "--regid=65534", "--clear-groups",
                                      ToolPath("vantrel-cli")};
  command.insert(command.end(), words.begin(), words.end());
  return RunProgram("setpriv", command, ErrorOutput::kSeparate);
}

bool FileState::operator==(const FileState& other) const {
  return inode == other.inode && size == other.size && modified.tv_sec == other.modified.tv_sec &&
         modified.tv_nsec == other.modified.tv_nsec;
}

FileState StateOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  return {status.st_ino, status.st_size, status.st_mtim};
}

namespace {

Fixture MakeFiles() {
  static TempDir dir;  // lives as long as the test program
  std::filesystem::permissions(dir.path(), std::filesystem::perms(0755));
  Fixture files;
  files.folder = dir.path().string();
  files.recording = dir.File("REC_20140101_120000.avi");
  files.interrupted = dir.File("cut.avi");
  files.card = dir.File("card.img");
  files.card_file = "/EVENT/REC_20140101_120000.avi";
  const std::vector<std::string> common = {"--seconds", "1",      "--front",    "160x90",
                                           "--rear",    "160x90", "--channels", "2",
                                           "--audio",   "none"};
  std::vector<std::string> words = {"recording", files.recording};
  words.insert(words.end(), common.begin(), common.end());
  EXPECT_EQ(RunProgram(ToolPath("dashcam-sim"), words).exit_code, 0);
  words[1] = files.interrupted;
  words.push_back("--interrupted");
  EXPECT_EQ(RunProgram(ToolPath("dashcam-sim"), words).exit_code, 0);

  EXPECT_TRUE(WriteFile(files.card, ""));
  std::filesystem::resize_file(files.card, 256 << 20);
  EXPECT_EQ(Cli({"lyfs", "format", files.card, "--model", "KT730A(Merida)", "--sd-allocation", "1"})
                .exit_code,
            0);
  EXPECT_EQ(Cli({"lyfs", "put", files.card, "EVENT", files.recording}).exit_code, 0);
  for (const std::string& file : {files.recording, files.interrupted, files.card}) {
    std::filesystem::permissions(file, std::filesystem::perms(0644));
  }
  return files;
}

}  // namespace

const Fixture& Files() {
  static const Fixture files = MakeFiles();
  return files;
}

void ExpectRefused(const ProgramRun& run, const std::string& words, const std::string& what) {
  EXPECT_EQ(run.exit_code, 1) << what << "\n" << run.error;
  EXPECT_EQ(std::count(run.error.begin(), run.error.end(), '\n'), 1) << what << "\n" << run.error;
  EXPECT_NE(run.error.find(words), std::string::npos) << what << "\n" << run.error;
}

void ExpectUsageError(const ProgramRun& run, const std::string& what) {
  EXPECT_EQ(run.exit_code, 2) << what << "\n" << run.error;
  EXPECT_NE(run.error.find("usage: vantrel-cli "), std::string::npos) << what << "\n" << run.error;
  EXPECT_EQ(run.output, "") << what;
}

}  // namespace vantrel::test
