// Card images as the recorder simulator writes them, read the ways a user and the viewer read
// them: the command-line tool lists, scans and copies every recording unchanged, and the splitter
// reads a recording straight from the card exactly as it reads the same file from disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/lyfs_device.h"
#include "catalogue/open_source.h"
#include "catalogue/source_list.h"
#include "catalogue_test_support.h"
#include "platform/volume_provider_linux.h"
#include "platform/volume_provider_simulated.h"
#include "playback/stream_splitter.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::ProgramRun;
using test::RunProgram;

const std::string kCli = test::ToolPath("vantrel-cli");

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  return parts;
}

struct ManifestLine {
  std::string directory, name, sha256;
  uint64_t size = 0;
};

class CardRecordingsTest : public ::testing::Test {
 protected:
  // Writes the card image with the simulator and reads its manifest; false when that fails.
  bool MakeCard(std::vector<std::string> options) {
    options.insert(options.begin(), {"lyfs-card", image_, "--size-mib", "160", "--seconds", "1",
                                     "--cards", cards_, "--list", list_});
    if (RunProgram(test::ToolPath("dashcam-sim"), options).exit_code != 0) return false;
    for (const std::string& line : Split(test::ReadFile(list_), '\n')) {
      const std::vector<std::string> fields = Split(line, '\t');
      if (fields.size() != 4) return false;
      manifest_.push_back({fields[0], fields[1], fields[3], std::stoull(fields[2])});
    }
    return !manifest_.empty();
  }

  // The card file copied out with the command-line tool.
  std::string CopyOut(const std::string& directory, const std::string& name) {
    const std::string out = dir_.File(name + ".out");
    EXPECT_EQ(
        RunProgram(kCli, {"lyfs", "get", image_, "/" + directory + "/" + name, out}).exit_code, 0)
        << name;
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
  for (const std::string& line : Split(RunProgram(kCli, {"lyfs", "ls", image_}).output, '\n')) {
    const std::vector<std::string> fields = Split(line, '\t');
    if (fields[0] == "file") listed.insert(fields[1] + '\t' + fields[3] + '\t' + fields[4]);
  }
  for (const ManifestLine& file : manifest_) {
    expected.insert(file.directory + '\t' + std::to_string(file.size) + '\t' + file.name);
  }
  EXPECT_EQ(listed, expected);

  const ProgramRun sources = RunProgram(kCli, {"sources", "--cards", cards_});
  EXPECT_EQ(sources.exit_code, 0);
  EXPECT_EQ(sources.output, "source\t0\t1\t" + image_ + ".root/\t" + image_ +
                                "\nsource\t1\t2\t내 컴퓨터에서 찾기\t\n");

  const ProgramRun scan = RunProgram(kCli, {"scan", "--source", "0", "--cards", cards_});
  EXPECT_EQ(scan.exit_code, 0);
  const std::map<std::string, int> groups = {
      {"NORMAL", 0}, {"INFINITE", 1}, {"EVENT", 2}, {"PARKING", 3}};
  const std::vector<std::string> rows = Split(scan.output, '\n');
  ASSERT_EQ(rows.size(), manifest_.size());
  std::string last_time;
  for (size_t row = 0; row < rows.size(); ++row) {
    const std::vector<std::string> fields = Split(rows[row], '\t');
    ASSERT_EQ(fields.size(), 9u) << rows[row];
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
    const ProgramRun sum = RunProgram("sha256sum", {CopyOut(file.directory, file.name)});
    EXPECT_EQ(sum.output.substr(0, 64), file.sha256) << file.name;
  }
  // Misuse and sources that are not there.
  EXPECT_EQ(RunProgram(kCli, {"scan", "--source", "2", "--cards", cards_}).exit_code, 1);
  EXPECT_EQ(RunProgram(kCli, {"scan", "--source", "zero"}).exit_code, 2);
  EXPECT_EQ(RunProgram(kCli, {"scan", "--cards", cards_, "/"}).exit_code, 2);
  EXPECT_EQ(RunProgram(kCli, {"sources", "--cards", list_ + ".none"}).exit_code, 1);
}

TEST(SourcesCommand, ComputerWithoutACardOffersOnlyItsFolders) {
  bool card_present = false;
  for (const platform::Volume& volume : platform::LinuxVolumeProvider().Volumes()) {
    card_present = card_present || platform::OfferableAsCard(volume);
  }
  if (card_present) GTEST_SKIP() << "a removable card is in this computer";
  const ProgramRun run = RunProgram(kCli, {"sources"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "source\t0\t2\t내 컴퓨터에서 찾기\t\n");
}

// What a splitter gives out, packet by packet, for comparison.
std::vector<std::string> ReadAll(StreamSplitter& splitter) {
  std::vector<std::string> out = {std::to_string(splitter.Duration())};
  for (size_t pin = 0; pin < splitter.Pins().size(); ++pin) {
    out.push_back("pin " + splitter.Pins()[pin].name);
    while (const auto packet = splitter.NextPacket(pin)) {
      out.push_back(std::to_string(packet->number) + ' ' + std::to_string(packet->time) +
                    (packet->key ? " K " : " - ") +
                    std::string(packet->data.begin(), packet->data.end()));
    }
  }
  std::vector<uint8_t> buffer(1024);
  int32_t size = 1024;
  for (uint32_t time = 0;
       splitter.FetchTelemetryPacket(buffer.data(), &size, &time) == kTelemetryPacketDelivered;
       size = 1024) {
    out.push_back(std::to_string(time) + ':' + std::string(buffer.begin(), buffer.begin() + size));
  }
  out.push_back("seek " + std::to_string(splitter.Seek(5000000).value_or(-1)));  // 0.5 s in
  for (size_t pin = 0; pin < splitter.Pins().size(); ++pin) {
    const auto next = splitter.NextPacket(pin);
    out.push_back(next ? std::to_string(next->number) : "end");
  }
  return out;
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
    StreamSplitter from_file;
    ASSERT_TRUE(from_file.Load(CopyOut(catalogue.DirectoryNameAt(entry.group)->name, entry.name)));
    StreamSplitter from_card;
    from_card.SetCardSource(device, entry.lyfs_file_id);
    ASSERT_TRUE(from_card.Load(entry.path)) << entry.name;
    const std::vector<std::string> card = ReadAll(from_card);
    EXPECT_GT(card.size(), 20u) << entry.name;
    EXPECT_TRUE(card == ReadAll(from_file)) << entry.name;  // no dump of the packets
  }
}

}  // namespace
}  // namespace vantrel
