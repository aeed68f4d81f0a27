// Card images as the recorder simulator writes them, read the ways a user and the viewer read
// them: the command-line tool lists, scans and copies every recording unchanged, and the splitter
// reads a recording straight from the card exactly as it reads the same file from disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/lyfs_device.h"
#include "catalogue/open_source.h"
#include "catalogue/source_list.h"
#include "catalogue_test_support.h"
#include "cli_run.h"
#include "platform/volume_provider_simulated.h"
#include "playback/stream_splitter.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::RunProgram;
using test::SplitText;

struct ManifestLine {
  std::string directory, name, sha256;
  uint64_t size = 0;
};

class CardRecordingsTest : public ::testing::Test {
 protected:
  // Writes the card image with the simulator; false when it fails.
  bool MakeCard(const std::vector<std::string>& options) {
    std::vector<std::string> words = {"lyfs-card", image_,    "--size-mib", "160",    "--seconds",
                                      "1",         "--cards", cards_,       "--list", list_};
    words.insert(words.end(), options.begin(), options.end());
    if (RunProgram(DASHCAM_SIM, words).exit_code != 0) return false;
    for (const std::string& line : SplitText(test::ReadFile(list_), '\n')) {
      const std::vector<std::string> fields = SplitText(line, '\t');
      if (fields.size() != 4) return false;
      manifest_.push_back({fields[0], fields[1], fields[3], std::stoull(fields[2])});
    }
    return !manifest_.empty();
  }

  // The card file copied out with the command-line tool.
  std::string CopyOut(const std::string& directory, const std::string& name) {
    const std::string out = dir_.File(name + ".out");
    const test::ProgramRun get =
        RunProgram(VANTREL_CLI, {"lyfs", "get", image_, "/" + directory + "/" + name, out});
    EXPECT_EQ(get.exit_code, 0) << name;
    return out;
  }

  test::TempDir dir_;
  const std::string image_ = dir_.File("card.img");
  const std::string cards_ = dir_.File("cards.txt");
  const std::string list_ = dir_.File("list.txt");
  std::vector<ManifestLine> manifest_;
};

TEST_F(CardRecordingsTest, ToolListsScansAndCopiesEveryRecordingUnchanged) {
  ASSERT_TRUE(MakeCard(
      {"--model", "MERIDA", "--rec", "3", "--evt", "2", "--prk", "1", "--mot", "1", "--mdi", "1"}));
  ASSERT_EQ(manifest_.size(), 8u);

  std::multiset<std::string> listed, expected;
  for (const std::string& line :
       SplitText(RunProgram(VANTREL_CLI, {"lyfs", "ls", image_}).output, '\n')) {
    const std::vector<std::string> fields = SplitText(line, '\t');
    if (fields[0] == "file") listed.insert(fields[1] + '\t' + fields[3] + '\t' + fields[4]);
  }
  for (const ManifestLine& file : manifest_) {
    expected.insert(file.directory + '\t' + std::to_string(file.size) + '\t' + file.name);
  }
  EXPECT_EQ(listed, expected);

  const test::ProgramRun sources = RunProgram(VANTREL_CLI, {"sources", "--cards", cards_});
  EXPECT_EQ(sources.exit_code, 0);
  EXPECT_EQ(sources.output, "source\t0\t1\t" + image_ + ".root/\t" + image_ +
                                "\nsource\t1\t2\t내 컴퓨터에서 찾기\t\n");

  const test::ProgramRun scan =
      RunProgram(VANTREL_CLI, {"scan", "--source", "0", "--cards", cards_, "--language", "9"});
  EXPECT_EQ(scan.exit_code, 0);
  const std::map<std::string, int> groups = {
      {"NORMAL", 0}, {"INFINITE", 1}, {"EVENT", 2}, {"PARKING", 3}};
  const std::vector<std::string> rows = SplitText(scan.output, '\n');
  ASSERT_EQ(rows.size(), manifest_.size());
  std::string last_time;
  for (size_t row = 0; row < rows.size(); ++row) {
    const std::vector<std::string> fields = SplitText(rows[row], '\t');
    ASSERT_EQ(fields.size(), 9u) << rows[row];
    EXPECT_EQ(fields[0], std::to_string(row + 1));
    EXPECT_LT(last_time, fields[2]);  // oldest first
    last_time = fields[2];
    EXPECT_EQ(fields[7], fields[8]);  // a card recording's path is its name
    const auto file =
        std::find_if(manifest_.begin(), manifest_.end(),
                     [&](const ManifestLine& line) { return line.name == fields[7]; });
    ASSERT_NE(file, manifest_.end()) << fields[7];
    EXPECT_EQ(fields[5], std::to_string(file->size / 1024));
    EXPECT_EQ(fields[6], std::to_string(groups.at(file->directory)));
  }

  for (const ManifestLine& file : manifest_) {
    const std::string out = CopyOut(file.directory, file.name);
    const test::ProgramRun sum = RunProgram("sha256sum", {out});
    EXPECT_EQ(sum.output.substr(0, 64), file.sha256) << file.name;
  }
}

struct Packets {
  std::vector<std::string> pins;
  int64_t duration = 0;
  std::vector<std::vector<std::string>> streams;  // per pin: number, time, key mark, data
  std::vector<std::string> telemetry;
  std::optional<int64_t> seek;
  std::vector<uint64_t> after_seek;  // each pin's next packet number after the seek
};

Packets ReadAll(StreamSplitter& splitter) {
  Packets packets;
  for (const OutputPin& pin : splitter.Pins()) packets.pins.push_back(pin.name);
  packets.duration = splitter.Duration();
  packets.streams.resize(packets.pins.size());
  for (size_t pin = 0; pin < packets.pins.size(); ++pin) {
    while (const auto packet = splitter.NextPacket(pin)) {
      packets.streams[pin].push_back(std::to_string(packet->number) + ' ' +
                                     std::to_string(packet->time) + (packet->key ? " K " : " - ") +
                                     std::string(packet->data.begin(), packet->data.end()));
    }
  }
  std::vector<uint8_t> buffer(1024);
  for (;;) {
    int32_t size = static_cast<int32_t>(buffer.size());
    uint32_t time = 0;
    if (splitter.FetchTelemetryPacket(buffer.data(), &size, &time) != kTelemetryPacketDelivered) {
      break;
    }
    packets.telemetry.push_back(std::to_string(time) + ':' +
                                std::string(buffer.begin(), buffer.begin() + size));
  }
  packets.seek = splitter.Seek(5000000);  // half a second in
  for (size_t pin = 0; pin < packets.pins.size(); ++pin) {
    const auto next = splitter.NextPacket(pin);
    packets.after_seek.push_back(next ? next->number : UINT64_MAX);
  }
  return packets;
}

TEST_F(CardRecordingsTest, SplitterReadsACardRecordingAsItReadsTheFile) {
  // Two channels, PCM, AAC and no sound, and one cut by a power loss.
  ASSERT_TRUE(MakeCard({"--rec", "2", "--evt", "1", "--prk", "1", "--mot", "0", "--mdi", "0",
                        "--interrupted", "1", "--audio", "mixed", "--two-channel-every", "2"}));
  RecordingCatalogue catalogue;
  test::SetUpNames(catalogue);
  platform::SimulatedVolumeProvider volumes;
  ASSERT_TRUE(volumes.Load(cards_));
  ASSERT_EQ(EnumerateSources(catalogue, volumes), 2);
  ASSERT_TRUE(OpenSource(catalogue, 0, {}, ItemOrigin::kPicked));
  ASSERT_EQ(catalogue.entries().size(), manifest_.size());
  const intptr_t device = LyfsDeviceValue(catalogue.lyfs_device());

  for (const RecordingEntry& entry : catalogue.entries()) {
    const std::string directory = catalogue.DirectoryNameAt(entry.group)->name;
    StreamSplitter from_file;
    ASSERT_TRUE(from_file.Load(CopyOut(directory, entry.name))) << entry.name;
    StreamSplitter from_card;
    from_card.SetCardSource(device, entry.lyfs_file_id);
    ASSERT_TRUE(from_card.Load(entry.path)) << entry.name;

    const Packets card = ReadAll(from_card);
    const Packets file = ReadAll(from_file);
    EXPECT_FALSE(card.streams.empty() || card.streams[0].empty()) << entry.name;
    EXPECT_EQ(card.pins, file.pins) << entry.name;
    EXPECT_EQ(card.duration, file.duration) << entry.name;
    EXPECT_TRUE(card.streams == file.streams) << entry.name;  // no dump of the packets
    EXPECT_EQ(card.telemetry, file.telemetry) << entry.name;
    EXPECT_EQ(card.seek, file.seek) << entry.name;
    EXPECT_EQ(card.after_seek, file.after_seek) << entry.name;
  }
}

}  // namespace
}  // namespace vantrel
