// "setup.cfg": the writer's exact bytes per layout, and the reader's position rules, stop rule,
// range rules and tolerance of files written for another model.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/device_settings.h"
#include "device/settings_file.h"
#include "temp_dir.h"

namespace vantrel::device {
namespace {

constexpr int kKT410A = 0;
constexpr int kKT520A = 1;
constexpr int kKT730A = 2;
constexpr int kMerida = 3;
constexpr int kKT520AMerida = 4;
constexpr int kKT730AMerida = 5;

std::string Crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

DeviceSettings Defaults(int model) {
  DeviceSettings settings;
  EXPECT_TRUE(ApplyModelDefaults(model, settings));
  return settings;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  // Reads bytes as "setup.cfg" for model into settings; returns the reader's result.
  bool Read(const std::string& bytes, int model, DeviceSettings& settings) {
    EXPECT_TRUE(test::WriteFile(path(), bytes));
    return ReadDeviceSettings(path(), model, settings);
  }
  std::string Rewrite(const std::string& bytes, int model) {
    DeviceSettings settings = Defaults(model);
    Read(bytes, model, settings);
    return *FormatDeviceSettings(model, settings);
  }
  std::string path() const { return dir_.File("setup.cfg"); }

  test::TempDir dir_;
};

const std::string kMeridaDefaults = Crlf({
    "Product Name            : MERIDA",
    "H/W Version             : V1.0.0",
    "S/W Version             : V1.0.0",
    "Acc Trigger Level       : 3",
    "REC Video Qulity        : 3",
    "REC Audio Enable        : 1",
    "SPK Vol                 : 3",
    "Video Channles          : 2",
    "Car Battery Volt        : 0",
    "Battery CutOff Volt     : 3",
    "Power Off Timer         : 2",
    "LCD Off Time            : 1",
});

// The other layouts hold the same lines, with Parking Mode Select, SD Allocation and Speaker Mute
// where they have them.
std::string DefaultsFile(const std::string& product, bool parking, bool extended,
                         const std::string& lcd) {
  std::vector<std::string> lines = {
      "Product Name            : " + product, "H/W Version             : V1.0.0",
      "S/W Version             : V1.0.0",     "Acc Trigger Level       : 3",
      "REC Video Qulity        : 3",          "REC Audio Enable        : 1",
      "SPK Vol                 : 3",          "Video Channles          : 2"};
  if (parking) lines.push_back("Parking Mode Select     : 1");
  lines.insert(lines.end(), {"Car Battery Volt        : 0", "Battery CutOff Volt     : 3",
                             "Power Off Timer         : 2"});
  if (extended)
    lines.insert(lines.end(), {"SD Allocation           : 0", "Speaker Mute            : 0"});
  lines.push_back("LCD Off Time            : " + lcd);
  return Crlf(lines);
}

const std::string kKT410ADefaults = DefaultsFile("KT410A", true, false, "1");
const std::string kKT730AMeridaDefaults = DefaultsFile("KT730A", true, true, "0");

TEST_F(SettingsFileTest, EachLayoutWritesTheDefaultsByteForByte) {
  EXPECT_EQ(*FormatDeviceSettings(kMerida, Defaults(kMerida)), kMeridaDefaults);
  EXPECT_EQ(DefaultsFile("MERIDA", false, false, "1"), kMeridaDefaults);
  EXPECT_EQ(*FormatDeviceSettings(kKT410A, Defaults(kKT410A)), kKT410ADefaults);
  EXPECT_EQ(*FormatDeviceSettings(kKT730AMerida, Defaults(kKT730AMerida)), kKT730AMeridaDefaults);

  ASSERT_TRUE(WriteDeviceSettings(path(), kMerida, Defaults(kMerida)));
  EXPECT_EQ(test::ReadFile(path()), kMeridaDefaults);
  // A file of every model reads back into the same record.
  for (int model = 0; model < kDeviceModelCount; ++model) {
    const DeviceSettings written = Defaults(model);
    DeviceSettings read;
    ASSERT_TRUE(Read(*FormatDeviceSettings(model, written), model, read));
    DeviceSettings expected = written;
    if (model == kKT520AMerida || model == kKT730AMerida) expected.sd_allocation_last_read = 0;
    EXPECT_EQ(read, expected) << "model " << model;
  }
}

TEST_F(SettingsFileTest, NoModelSelectedReadsAndWritesNothing) {
  DeviceSettings settings;
  EXPECT_FALSE(ApplyModelDefaults(6, settings));
  EXPECT_FALSE(ApplyModelDefaults(-1, settings));
  EXPECT_EQ(settings, DeviceSettings());
  EXPECT_FALSE(Read(kMeridaDefaults, 6, settings));
  EXPECT_EQ(settings, DeviceSettings());
  EXPECT_FALSE(FormatDeviceSettings(-1, settings));
  EXPECT_FALSE(WriteDeviceSettings(dir_.File("other.cfg"), 6, settings));
  EXPECT_FALSE(std::filesystem::exists(dir_.File("other.cfg")));
}

TEST_F(SettingsFileTest, AMissingFileFailsAndLeavesTheRecord) {
  DeviceSettings settings = Defaults(kKT520A);
  const DeviceSettings before = settings;
  EXPECT_FALSE(ReadDeviceSettings(dir_.File("none.cfg"), kKT520A, settings));
  EXPECT_EQ(settings, before);
}

TEST_F(SettingsFileTest, DefaultsOfTheExtendedModelsKeepAChosenAllocationAndClearTheMute) {
  DeviceSettings settings;
  settings.sd_allocation = 1;
  settings.speaker_mute = true;
  settings.parking_mode = 1;
  ApplyModelDefaults(kKT520A, settings);
  EXPECT_EQ(settings.sd_allocation, 1);
  EXPECT_FALSE(settings.speaker_mute);
  EXPECT_EQ(settings.parking_mode, 1) << "left as it was";
  ApplyModelDefaults(kKT410A, settings);
  EXPECT_EQ(settings.parking_mode, 0);
  settings.speaker_mute = true;
  ApplyModelDefaults(kMerida, settings);
  EXPECT_TRUE(settings.speaker_mute) << "the basic model sets nothing more";
  EXPECT_EQ(Defaults(kKT730A).lcd_off_time, 0);
  EXPECT_EQ(Defaults(kKT520AMerida).lcd_off_time, 1);
}

TEST_F(SettingsFileTest, AParkingLayoutFileReadAsAnExtendedModelShiftsItsTail) {
  std::string file = kKT410ADefaults;
  // Parking mode 2; LCD Off Time 1 in the parking layout's line 12.
  file.replace(file.find("Select     : 1"), 14, "Select     : 2");
  DeviceSettings settings = Defaults(kKT520A);
  settings.speaker_mute = true;
  settings.lcd_off_time = 4;
  ASSERT_TRUE(Read(file, kKT520A, settings));
  EXPECT_EQ(settings.parking_mode, kNoSelection) << "ignored in the extended layout";
  EXPECT_EQ(settings.sd_allocation, 1) << "line 12 is SD Allocation here";
  EXPECT_TRUE(settings.speaker_mute) << "line 13 is missing";
  EXPECT_EQ(settings.lcd_off_time, 4) << "line 14 is missing";

  // The extended layout always writes parking mode 1, whatever was read.
  const std::string written = *FormatDeviceSettings(kKT520A, settings);
  EXPECT_NE(written.find("Parking Mode Select     : 1\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, ParkingModeIsReadOnlyInTheParkingLayout) {
  std::string file = kKT410ADefaults;
  file.replace(file.find("Select     : 1"), 14, "Select     : 2");
  EXPECT_EQ(Rewrite(file, kKT410A), file);
  file.replace(file.find("Select     : 2"), 14, "Select     : 3");
  DeviceSettings settings = Defaults(kKT410A);
  Read(file, kKT410A, settings);
  EXPECT_EQ(settings.parking_mode, 0) << "3 is out of range";
}

TEST_F(SettingsFileTest, ReadingStopsAtALineNoLongerThanALabel) {
  const std::string full = kMeridaDefaults;
  DeviceSettings base;
  base.acc_trigger_level = 6;
  base.speaker_volume = 5;

  // A blank second line: nothing after the product name is read.
  DeviceSettings settings = base;
  ASSERT_TRUE(
      Read("Product Name            : MERIDA\r\n\r\n" + full.substr(34), kMerida, settings));
  EXPECT_EQ(settings, base);

  // A label with its line end is an empty value, read as 0; the reading goes on.
  settings = base;
  Read(Crlf({"Product Name            : MERIDA",
             "H/W Version             : ", "S/W Version             : ",
             "Acc Trigger Level       : ", "REC Video Qulity        : 2"}),
       kMerida, settings);
  EXPECT_EQ(settings.software_version, "") << "an empty version is taken as it stands";
  EXPECT_EQ(settings.acc_trigger_level, 0);
  EXPECT_EQ(settings.video_quality, 1);

  // A bare label ending the file, or a short line, stops.
  settings = base;
  Read(
      "Product Name            : MERIDA\r\nH/W Version             : V1\r\nS/W Version    "
      "         : ",
      kMerida, settings);
  EXPECT_EQ(settings.software_version, kInitialSoftwareVersion);
  settings = base;
  Read(Crlf({"Product Name            : MERIDA", "H/W", "S/W Version             : V9",
             "Acc Trigger Level       : 1"}),
       kMerida, settings);
  EXPECT_EQ(settings, base);
}

TEST_F(SettingsFileTest, OutOfRangeValuesLeaveTheirFields) {
  for (const char* value : {"9", "-1", "7", "x"}) {
    DeviceSettings settings = Defaults(kMerida);
    settings.acc_trigger_level = 5;
    std::string file = kMeridaDefaults;
    file.replace(file.find("Level       : 3"), 15, std::string("Level       : ") + value);
    Read(file, kMerida, settings);
    // "x" reads as 0, which is in range.
    EXPECT_EQ(settings.acc_trigger_level, std::string(value) == "x" ? 0 : 5) << value;
  }
  // Each field's own range: quality 1..3, channels 1..2, timer 1..4, volume 0..5, LCD per list.
  const std::string file = Crlf(
      {"Product Name            : KT730A", "H/W Version             : V1.0.0",
       "S/W Version             : V2.1.0", "Acc Trigger Level       : 6",
       "REC Video Qulity        : 0", "REC Audio Enable        : 0", "SPK Vol                 : 6",
       "Video Channles          : 3", "Parking Mode Select     : 2", "Car Battery Volt        : 0",
       "Battery CutOff Volt     : 6", "Power Off Timer         : 5", "SD Allocation           : 1",
       "Speaker Mute            : -4", "LCD Off Time            : 3"});
  DeviceSettings settings = Defaults(kKT730A);
  Read(file, kKT730A, settings);
  DeviceSettings expected = Defaults(kKT730A);
  expected.software_version = "V2.1.0";
  expected.acc_trigger_level = 6;
  expected.audio_enabled = false;
  expected.battery_cutoff = 6;
  expected.sd_allocation = 1;
  expected.speaker_mute = true;
  EXPECT_EQ(settings, expected);
  // The long list of the KT520A has an entry 3.
  settings = Defaults(kKT520A);
  Read(file, kKT520A, settings);
  EXPECT_EQ(settings.lcd_off_time, 3);
}

TEST_F(SettingsFileTest, TheVersionIsTakenOnlyFromAFileNamingTheChosenModel) {
  const std::string file =
      Crlf({"Product Name            : KT520A", "H/W Version             : V1.0.0",
            "S/W Version             : V3.3.3"});
  DeviceSettings settings = Defaults(kKT520AMerida);
  Read(file, kKT520AMerida, settings);
  EXPECT_EQ(settings.software_version, kInitialSoftwareVersion);
  const std::string written = *FormatDeviceSettings(kKT520AMerida, settings);
  EXPECT_EQ(written.substr(0, 34), "Product Name            : KT520A\r\n");
  EXPECT_NE(written.find("S/W Version             : V1.0.0\r\n"), std::string::npos);

  Read(file, kKT520A, settings);
  EXPECT_EQ(settings.software_version, "V3.3.3");
  // Kept for the next card whose file does not name its model.
  Read(file, kKT520AMerida, settings);
  EXPECT_EQ(settings.software_version, "V3.3.3");
}

TEST_F(SettingsFileTest, TheBatteryLineRebuildsTheCutOffList) {
  std::string file = kMeridaDefaults;
  file.replace(file.find("Volt        : 0"), 15, "Volt        : 7");
  file.replace(file.find("CutOff Volt     : 3"), 19, "CutOff Volt     : 2");
  DeviceSettings settings = Defaults(kMerida);
  Read(file, kMerida, settings);
  EXPECT_EQ(settings.battery, BatterySystem::k24Volt) << "any non-zero value is 24 V";
  EXPECT_EQ(settings.battery_cutoff, 2) << "23.4V in the 24 V list";
  std::string expected = kMeridaDefaults;
  expected.replace(expected.find("Volt        : 0"), 15, "Volt        : 1");
  expected.replace(expected.find("CutOff Volt     : 3"), 19, "CutOff Volt     : 2");
  EXPECT_EQ(*FormatDeviceSettings(kMerida, settings), expected);

  // An out-of-range cut-off after the battery line leaves the list without a selection.
  file.replace(file.find("CutOff Volt     : 2"), 19, "CutOff Volt     : 9");
  settings = Defaults(kMerida);
  Read(file, kMerida, settings);
  EXPECT_EQ(settings.battery_cutoff, kNoSelection);
  EXPECT_NE(FormatDeviceSettings(kMerida, settings)->find("Battery CutOff Volt     : -1\r\n"),
            std::string::npos);
}

TEST_F(SettingsFileTest, UnselectedListsAreWrittenAsMinusOneOrZero) {
  DeviceSettings cleared;
  cleared.audio_enabled = true;
  ClearSettingsControls(cleared);
  const std::string written = *FormatDeviceSettings(kKT410A, cleared);
  EXPECT_EQ(written, Crlf({
                         "Product Name            : KT410A",
                         "H/W Version             : V1.0.0",
                         "S/W Version             : V1.0.0",
                         "Acc Trigger Level       : -1",
                         "REC Video Qulity        : 0",
                         "REC Audio Enable        : 0",
                         "SPK Vol                 : -1",
                         "Video Channles          : 0",
                         "Parking Mode Select     : 0",
                         "Car Battery Volt        : 0",
                         "Battery CutOff Volt     : -1",
                         "Power Off Timer         : 0",
                         "LCD Off Time            : -1",
                     }));
}

TEST_F(SettingsFileTest, TheAllocationOfAMeridaVariantIsRememberedWhateverItIs) {
  const auto with_allocation = [](const std::string& value) {
    std::string file = kKT730AMeridaDefaults;
    file.replace(file.find("Allocation           : 0"), 24, "Allocation           : " + value);
    return file;
  };
  DeviceSettings settings = Defaults(kKT730AMerida);
  EXPECT_EQ(settings.sd_allocation_last_read, kSdAllocationNotRead);
  Read(with_allocation("7"), kKT730AMerida, settings);
  EXPECT_EQ(settings.sd_allocation_last_read, 7);
  EXPECT_EQ(settings.sd_allocation, 0) << "7 has no entry";
  Read(with_allocation("2"), kKT730AMerida, settings);
  EXPECT_EQ(settings.sd_allocation_last_read, 2);
  EXPECT_EQ(settings.sd_allocation, 0) << "neither has 2";
  Read(with_allocation("1"), kKT730AMerida, settings);
  EXPECT_EQ(settings.sd_allocation, 1);
  // Not for the other models; the value stays across cards.
  Read(with_allocation("0"), kKT730A, settings);
  EXPECT_EQ(settings.sd_allocation, 0);
  EXPECT_EQ(settings.sd_allocation_last_read, 1);
}

TEST_F(SettingsFileTest, ValuesLoseTabsAndLineEndsButKeepSpaces) {
  const std::string file =
      "Product Name            : \tKT520A\b\r\n"
      "H/W Version             : x\n"
      "S/W Version             :  V 2 \t\r\n"
      "Acc Trigger Level       :   +4xyz\n"
      "REC Video Qulity        : \t1\r\r\n";
  DeviceSettings settings = Defaults(kKT520A);
  Read(file, kKT520A, settings);
  EXPECT_EQ(settings.software_version, " V 2 ") << "the label's space is the 26th character";
  EXPECT_EQ(settings.acc_trigger_level, 4);
  EXPECT_EQ(settings.video_quality, 0);
}

TEST_F(SettingsFileTest, ALineLongerThan255BytesIsReadAsTwoLines) {
  // Line 0 runs to 300 bytes: its last 45 bytes are read as line 1 (ignored), so the file's
  // line 1 is read as the S/W Version, line 2 as Acc Trigger Level, and so on.
  const std::string file = "Product Name            : KT520A" + std::string(268, ' ') + "\r\n" +
                           Crlf({"H/W Version             : 5", "S/W Version             : 6",
                                 "Acc Trigger Level       : 1"});
  DeviceSettings settings = Defaults(kKT520A);
  Read(file, kKT520A, settings);
  EXPECT_EQ(settings.software_version, kInitialSoftwareVersion)
      << "the product name is the 229 bytes after the label, not \"KT520A\"";
  EXPECT_EQ(settings.acc_trigger_level, 6);
  EXPECT_EQ(settings.video_quality, 0);
}

TEST_F(SettingsFileTest, ClearingKeepsTheDialogsOwnValues) {
  DeviceSettings settings = Defaults(kKT410A);
  settings.software_version = "V7";
  settings.sd_allocation_last_read = 1;
  settings.battery = BatterySystem::k24Volt;
  ClearSettingsControls(settings);
  DeviceSettings expected;
  expected.software_version = "V7";
  expected.sd_allocation_last_read = 1;
  EXPECT_EQ(settings, expected);
}

}  // namespace
}  // namespace vantrel::device
