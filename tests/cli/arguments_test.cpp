// Command-line conventions: numbers are read whole, finite and in range or refused as a usage
// error (exit 2, the subcommand's usage on standard error); a position past the end of the
// recording is refused (exit 1); --help and --version answer on standard output with exit 0.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace vantrel::test {
namespace {

TEST(Arguments, BadNumbersAreUsageErrors) {
  TempDir dir;
  const std::string rec = Files().recording;
  const std::string out = dir.File("out");
  const std::vector<std::string> not_numbers = {"abc", "nan", "1x"};
  struct Option {
    std::vector<std::string> words;  // VALUE stands for the number
    std::vector<std::string> bad;    // refused besides not_numbers
  };
  const std::vector<Option> options = {
      {{"play", rec, "--rate", "VALUE"}, {"0", "-1", "4.5", "inf", "-inf", "1e999", " 1", ""}},
      {{"play", rec, "--for", "VALUE"}, {"-1", "1.5", "99999999999", "+1"}},
      {{"grab", rec, "--at", "VALUE", "--out", out}, {"-1", "0.5", "2147483648"}},
      {{"grab", rec, "--at", "0", "--channel", "VALUE", "--out", out}, {"0", "3"}},
      {{"grab", rec, "--at", "0", "--brightness", "VALUE", "--out", out}, {"256", "-256"}},
      {{"telemetry", rec, "--at", "VALUE"}, {"4294967296", "1.5"}},
      {{"parse-gps", "GPRMC", "--ts", "VALUE"}, {"-2147483649"}},
      {{"text", "VALUE"}, {"-1"}},
      {{"text", "1", "--language", "VALUE"}, {"1.0"}},
      {{"scan", dir.path().string(), "--kind", "VALUE"}, {"2147483648"}},
      {{"scan", dir.path().string(), "--language", "VALUE"}, {"1.5"}},
      {{"scan", "--source", "VALUE"}, {"-2147483649"}},
      {{"lyfs", "format", out, "--model", "MERIDA", "--sd-allocation", "VALUE"}, {"1e3"}},
      {{"repair", rec, rec, out, "--audio-less", "VALUE", "--riff-size", "0"}, {"2", "-1"}},
      {{"repair", rec, rec, out, "--audio-less", "0", "--riff-size", "VALUE"},
       {"-1", "4294967296"}},
      {{"options", "write", out, "PLAY_VALUE=VALUE"}, {"2147483648", "5s"}},
      {{"render", "gauge", "--speed", "VALUE", "--out", out}, {"inf", "1e999", ""}},
  };
  for (const Option& option : options) {
    std::vector<std::string> bad = not_numbers;
    bad.insert(bad.end(), option.bad.begin(), option.bad.end());
    for (const std::string& value : bad) {
      std::vector<std::string> words = option.words;
      for (std::string& word : words) {
        if (word == "VALUE") word = value;
        if (word == "PLAY_VALUE=VALUE") word = "PLAY_VALUE=" + value;
      }
      ExpectUsageError(Cli(words), words[0] + " " + words[words.size() - 2] + " \"" + value + "\"");
    }
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(Arguments, AGrabPastTheEndIsRefused) {
  TempDir dir;
  const std::string out = dir.File("late.jpg");
  ExpectRefused(Cli({"grab", Files().recording, "--at", "60000", "--out", out}),
                "is past the end of", "grab --at 60000");
  EXPECT_FALSE(std::filesystem::exists(out));
  ASSERT_EQ(
      Cli({"grab", Files().recording, "--at", "500", "--channel", "2", "--out", out}).exit_code, 0);
  EXPECT_EQ(ReadFile(out).substr(0, 2), "\xFF\xD8");
}

TEST(Arguments, HelpVersionAndUsageFollowTheConventions) {
  const std::regex version("^[a-z-]+ [0-9]+\\.[0-9]+\\.[0-9]+\n$");
  for (const std::string program : {"vantrel-cli", "dashcam-sim", "vantrel-viewer"}) {
    const ProgramRun help = RunProgram(ToolPath(program), {"--help"}, ErrorOutput::kSeparate);
    EXPECT_EQ(help.exit_code, 0) << program;
    EXPECT_NE(help.output.find("usage: " + program), std::string::npos) << program;
    EXPECT_EQ(help.error, "") << program;
    const ProgramRun named = RunProgram(ToolPath(program), {"--version"}, ErrorOutput::kSeparate);
    EXPECT_EQ(named.exit_code, 0) << program;
    EXPECT_TRUE(std::regex_match(named.output, version)) << named.output;
    EXPECT_EQ(named.output.substr(0, program.size() + 1), program + " ");
  }
  // Every subcommand answers its own --help, repair too, which the launcher runs itself.
  for (const std::string subcommand :
       {"options", "text", "scan", "sources", "probe", "telemetry", "parse-gps", "export", "lyfs",
        "repair", "grab", "play", "bench-decode", "settings", "clock", "render"}) {
    const ProgramRun help = Cli({subcommand, "--help"});
    EXPECT_EQ(help.exit_code, 0) << subcommand;
    EXPECT_EQ(help.output.rfind("usage: vantrel-cli " + subcommand, 0), 0u) << help.output;
    EXPECT_EQ(help.error, "") << subcommand;
  }
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{}, {"no-such-command"}, {"probe"}, {"repair", "x"}}) {
    const ProgramRun run = Cli(words);
    EXPECT_EQ(run.exit_code, 2) << words.size();
    EXPECT_NE(run.error.find("usage: vantrel-cli"), std::string::npos) << run.error;
    EXPECT_EQ(run.output, "");
  }
  const ProgramRun sim =
      RunProgram(ToolPath("dashcam-sim"), {"no-such-command"}, ErrorOutput::kSeparate);
  EXPECT_EQ(sim.exit_code, 2);
  EXPECT_NE(sim.error.find("usage: dashcam-sim"), std::string::npos);
  const ProgramRun viewer =
      RunProgram(ToolPath("vantrel-viewer"), {"--no-such-option"}, ErrorOutput::kSeparate);
  EXPECT_EQ(viewer.exit_code, 2);
  EXPECT_NE(viewer.error.find("usage: vantrel-viewer"), std::string::npos);
}

}  // namespace
}  // namespace vantrel::test
