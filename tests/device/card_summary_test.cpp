// The card information: the firmware check before it, the counts and sizes by kind, the per-file
// size texts and the layout marker.
#include <gtest/gtest.h>

#include "device/card_file_summary.h"
#include "device/device_info_command.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

constexpr uint64_t kMiB = 1024;  // in KiB

RecordingEntry Entry(const std::string& name, uint64_t size_kib) {
  RecordingEntry entry;
  entry.name = entry.path = name;
  entry.size_kib = size_kib;
  return entry;
}

// A "setup.cfg" with the recorder's 26-character labels.
std::string SetupFile(const std::string& product, const std::string& version) {
  return "Product Name            : " + product + "\r\nH/W Version             : V1.0\r\n" +
         "S/W Version             : " + version + "\r\n";
}

TEST(CardFileSummaryTest, CountsKindsByPathPrefixAndKeepsOthersInTheTotalOnly) {
  const device::CardFileSummary summary = device::BuildCardFileSummary(
      {Entry("REC_1.avi", 1536 * kMiB), Entry("EVT_1.avi", 2 * kMiB), Entry("PRK_1.avi", 5 * kMiB),
       Entry("PAR_1.avi", 3 * kMiB), Entry("MDI_1.avi", kMiB), Entry("MOT_1.avi", 700),
       Entry("rec_1.avi", kMiB)});
  EXPECT_EQ(summary.count, 7);
  EXPECT_EQ(summary.continuous_count, 1);
  EXPECT_EQ(summary.event_count, 1);
  EXPECT_EQ(summary.parking_count, 3);  // PAR, MDI, MOT; not PRK
  EXPECT_EQ(summary.parking_kib, 4 * kMiB + 700);
  EXPECT_EQ(summary.total_kib, 1548 * kMiB + 700);
  EXPECT_EQ(summary.names[2], "PRK_1.avi");
  EXPECT_EQ(summary.sizes[0], "1536MB");
  EXPECT_EQ(summary.sizes[5], "  0MB");
  EXPECT_EQ(device::SummarySizeText(summary.continuous_kib), "1.5GB");
  EXPECT_EQ(device::SummaryCountText(summary.parking_count), "   3");
  // Whole MiB only: 1535 MiB and 1023 KiB is still below 1.5 GiB.
  EXPECT_EQ(device::SummarySizeText(1536 * kMiB - 1), "1.5GB");
  EXPECT_EQ(device::SummarySizeText(1023), "0.0GB");
}

TEST(CardFileSummaryTest, OnlyExactlyUserBinSwitchesToTheWideLayout) {
  TempDir folder;
  EXPECT_FALSE(device::HasDetailListMarker(folder.path().string()));
  ASSERT_TRUE(WriteFile(folder.path() / "user.bin", "x"));
  EXPECT_FALSE(device::HasDetailListMarker(folder.path().string()));
  std::filesystem::create_directory(folder.path() / "User.bin");
  EXPECT_FALSE(device::HasDetailListMarker(folder.path().string()));  // a folder is no marker
  std::filesystem::remove(folder.path() / "User.bin");
  ASSERT_TRUE(WriteFile(folder.path() / "User.bin", ""));
  EXPECT_TRUE(device::HasDetailListMarker(folder.path().string()));
  EXPECT_FALSE(device::HasDetailListMarker((folder.path() / "missing").string()));
}

class DeviceInfoTest : public ::testing::Test {
 protected:
  device::DeviceInfoResult Run(const std::vector<RecordingEntry>& entries, SourceKind kind) {
    return device::DeviceInfoCommand(entries, kind, card_.path().string() + "/");
  }
  void Setup(const std::string& text) { ASSERT_TRUE(WriteFile(card_.path() / "setup.cfg", text)); }

  TempDir card_;
  const std::vector<RecordingEntry> entries_ = {Entry("REC_1.avi", kMiB)};
};

TEST_F(DeviceInfoTest, RefusesEmptyListsAndSourcesThatAreNotLyfsCards) {
  Setup(SetupFile("KT520A", "V1.2"));
  for (SourceKind kind : {SourceKind::kLyfsCard, SourceKind::kFatCard, SourceKind::kNone}) {
    EXPECT_EQ(Run({}, kind).message, device::kNothingPlayedMessage);
  }
  EXPECT_EQ(Run(entries_, SourceKind::kFatCard).message, device::kLyfsOnlyMessage);
  EXPECT_EQ(Run(entries_, SourceKind::kComputerFolder).message, device::kLyfsOnlyMessage);
  EXPECT_FALSE(Run(entries_, SourceKind::kComputerFolder).summary);
}

TEST_F(DeviceInfoTest, NeedsAReadableSetupFileOfASupportedModel) {
  EXPECT_EQ(Run(entries_, SourceKind::kLyfsCard).message, device::kNoFirmwareMessage);
  Setup("");
  EXPECT_EQ(Run(entries_, SourceKind::kLyfsCard).message, device::kUnsupportedModelMessage);
  Setup("Product Name : KT520A\r\n");  // shorter than the label: nothing read
  EXPECT_EQ(Run(entries_, SourceKind::kLyfsCard).message, device::kUnsupportedModelMessage);
  Setup(SetupFile("KT410A", "V9.99"));
  EXPECT_EQ(Run(entries_, SourceKind::kLyfsCard).message, device::kUnsupportedModelMessage);
  Setup(SetupFile("KT520A(Merida)", "V9.99"));
  EXPECT_EQ(Run(entries_, SourceKind::kLyfsCard).message, device::kUnsupportedModelMessage);
}

TEST_F(DeviceInfoTest, ComparesFirmwareVersionsAsText) {
  const struct {
    const char* product;
    const char* version;
    bool shown;
  } cases[] = {{"KT520A", "V1.2", true},  {"KT520A", "V1.10", false}, {"KT730A", "V1.11", true},
               {"KT730A", "V1.1", false}, {"MERIDA", "V1.02", true},  {"MERIDA", "V1.01", false},
               {"MERIDA", "V1.1", true},  {"KT520A", "", false}};
  for (const auto& c : cases) {
    Setup(SetupFile(c.product, c.version));
    const device::DeviceInfoResult result = Run(entries_, SourceKind::kLyfsCard);
    EXPECT_EQ(result.summary.has_value(), c.shown) << c.product << " " << c.version;
    if (!c.shown) EXPECT_EQ(result.message, device::kOldFirmwareMessage);
  }
}

TEST_F(DeviceInfoTest, TrimsTheValuesAndIgnoresLongLines) {
  Setup("Product Name            : \tMERIDA \b\r\nH/W Version             : V1.0\r\n" +
        std::string("S/W Version             : V1.03\t\r\n"));
  const auto facts = device::ReadFirmwareFacts((card_.path() / "setup.cfg").string());
  ASSERT_TRUE(facts);
  EXPECT_EQ(facts->product, "MERIDA ");  // inner spaces stay; only \b \t \r \n are trimmed
  Setup("Product Name            : MERIDA\r\n" + std::string(600, 'x') + "\r\n");
  const auto long_line = device::ReadFirmwareFacts((card_.path() / "setup.cfg").string());
  ASSERT_TRUE(long_line);
  EXPECT_EQ(long_line->product, "MERIDA");
  EXPECT_EQ(long_line->version.size(), 255u - 26u);  // the second piece of the long line
}

}  // namespace
}  // namespace vantrel::test
