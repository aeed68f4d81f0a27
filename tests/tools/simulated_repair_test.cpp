// Every recording the simulator makes (no sound, PCM or AAC; one or two cameras; complete or cut
// by a power loss) through `vantrel-cli repair FILE OUT`, the rebuilt file checked by FFmpeg's own
// tools: it decodes without a complaint, keeps every complete front frame, and its added sound
// lasts one tenth of a second per silent chunk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "repaired_file.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

constexpr double kFramesPerSecond = 30;  // the simulator's default

// The complete "00dc" chunks of a recording's movie list, read the way a player without the
// index would: a cut last chunk does not count.
int CompleteFrontFrames(const std::string& bytes) {
  uint64_t position = 20 + static_cast<uint64_t>(Le32At(bytes, 16)) + 12;
  int frames = 0;
  while (position + 8 <= bytes.size()) {
    const std::string id = bytes.substr(position, 4);
    if (id == "idx1") break;
    const uint64_t size = Le32At(bytes, position + 4);
    position += 8 + size + (size & 1);
    if (position > bytes.size()) break;
    if (id == "00dc") ++frames;
  }
  return frames;
}

std::string Probe(const std::string& file, const char* stream, const char* entries) {
  const ProgramRun run = RunProgram(
      "ffprobe", {"-v", "error", "-count_packets", "-select_streams", stream, "-show_entries",
                  std::string("stream=") + entries, "-of", "csv=p=0", file});
  EXPECT_EQ(run.exit_code, 0) << file;
  std::string text = run.output;
  while (!text.empty() && (text.back() == '\n' || text.back() == ',')) text.pop_back();
  return text;
}

TEST(SimulatedRepair, EveryVariantRebuildsIntoAFileFfmpegPlays) {
  TempDir dir;
  for (const std::string audio : {"none", "pcm", "aac"}) {
    for (const std::string channels : {"1", "2"}) {
      for (const bool interrupted : {false, true}) {
        const std::string name = audio + "-" + channels + (interrupted ? "-cut" : "") + ".avi";
        SCOPED_TRACE(name);
        const std::string input = dir.File(name);
        const std::string output = dir.File("out-" + name);
        std::vector<std::string> words = {"recording",  input,    "--seconds", "1",
                                          "--front",    "160x90", "--rear",    "160x90",
                                          "--channels", channels, "--audio",   audio};
        if (interrupted) words.push_back("--interrupted");
        ASSERT_EQ(RunProgram(ToolPath("dashcam-sim"), words).exit_code, 0);

        const ProgramRun repair = RunProgram(ToolPath("vantrel-cli"), {"repair", input, output});
        ASSERT_EQ(repair.exit_code, 0);
        // Only a single camera without sound has the two streams that call for silence.
        const bool audio_less = audio == "none" && channels == "1";
        const char* action = interrupted ? "repair" : audio_less ? "add-audio" : "direct";
        EXPECT_EQ(repair.output, std::string("action\t") + action + "\n");
        if (!interrupted && !audio_less) {
          EXPECT_FALSE(std::filesystem::exists(output)) << "played as it is: nothing written";
          continue;
        }

        const std::string bytes = ReadFile(output);
        EXPECT_TRUE(ParseRepaired(bytes).sizes_agree);
        const ProgramRun decode = RunProgram(
            "ffmpeg", {"-v", "error", "-i", output, "-f", "null", "-"}, ErrorOutput::kMerged);
        EXPECT_EQ(decode.exit_code, 0);
        EXPECT_EQ(decode.output, "");

        const int frames = CompleteFrontFrames(ReadFile(input));
        EXPECT_GT(frames, 0);
        EXPECT_EQ(Probe(output, "v:0", "nb_read_packets"), std::to_string(frames));
        if (audio_less) {
          const int silent = static_cast<int>(frames / kFramesPerSecond * 10);
          EXPECT_EQ(Probe(output, "a:0", "codec_name"), "pcm_s16le");
          // A x 0.1 s of 16-bit mono silence at 22050 Hz, as FFmpeg decodes it.
          const ProgramRun sound = RunProgram(
              "ffmpeg", {"-v", "error", "-i", output, "-map", "0:a:0", "-f", "s16le", "-"});
          EXPECT_EQ(sound.output, std::string(static_cast<size_t>(silent) * 4410, '\0'));
        }
      }
    }
  }
}

}  // namespace
}  // namespace vantrel::test
