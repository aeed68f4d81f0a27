// vantrel-cli settings and clock, run as a user's script runs them: exact output lines, exit
// codes, and nothing written when the input is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::ProgramRun;

class DeviceCommandsTest : public ::testing::Test {
 protected:
  ProgramRun Run(const std::vector<std::string>& words) {
    return test::RunProgram(test::ToolPath("vantrel-cli"), words, test::ErrorOutput::kSeparate);
  }
  std::string File(const std::string& name) const { return dir_.File(name); }

  test::TempDir dir_;
};

TEST_F(DeviceCommandsTest, RewriteWithoutAFileWritesTheModelsDefaults) {
  ProgramRun run = Run({"settings", "rewrite", File("none.cfg"), File("out.cfg"), "--model", "3"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "read\t0\n");
  EXPECT_EQ(test::ReadFile(File("out.cfg")),
            "Product Name            : MERIDA\r\nH/W Version             : V1.0.0\r\n"
            "S/W Version             : V1.0.0\r\nAcc Trigger Level       : 3\r\n"
            "REC Video Qulity        : 3\r\nREC Audio Enable        : 1\r\n"
            "SPK Vol                 : 3\r\nVideo Channles          : 2\r\n"
            "Car Battery Volt        : 0\r\nBattery CutOff Volt     : 3\r\n"
            "Power Off Timer         : 2\r\nLCD Off Time            : 1\r\n");
}

TEST_F(DeviceCommandsTest, RewriteReadsTheFileInTheChosenModelsLayout) {
  ASSERT_TRUE(test::WriteFile(File("in.cfg"),
                              "Product Name            : KT520A\r\n"
                              "H/W Version             : V9\r\n"
                              "S/W Version             : V2.0.1\r\n"
                              "Acc Trigger Level       : 6\r\n"));
  ProgramRun run = Run({"settings", "rewrite", File("in.cfg"), File("out.cfg"), "--model", "1"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "read\t1\n");
  const std::string out = test::ReadFile(File("out.cfg"));
  EXPECT_EQ(out.substr(0, 34 * 3 + 29),
            "Product Name            : KT520A\r\nH/W Version             : V1.0.0\r\n"
            "S/W Version             : V2.0.1\r\nAcc Trigger Level       : 6\r\n");
  EXPECT_NE(out.find("Parking Mode Select     : 1\r\nCar Battery"), std::string::npos);
  EXPECT_EQ(out.substr(out.size() - 58),
            "Speaker Mute            : 0\r\nLCD Off Time            : 1\r\n");

  run = Run({"settings", "show", File("in.cfg"), "--model", "4"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output,
            "product_name\tKT520A\nsoftware_version\tV1.0.0\nacc_trigger_level\t6\n"
            "video_quality\t2\naudio_enabled\t1\nspeaker_volume\t3\nvideo_channels\t1\n"
            "parking_mode\t-1\nbattery\t12V\nbattery_cutoff\t3\npower_off_timer\t1\n"
            "sd_allocation\t0\nspeaker_mute\t0\nlcd_off_time\t1\nsd_allocation_last_read\t100\n");
}

TEST_F(DeviceCommandsTest, RewriteFailsWithoutAModelOrAWritableOutput) {
  ProgramRun run = Run({"settings", "rewrite", File("none.cfg"), File("out.cfg"), "--model", "6"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.output, "read\t0\n");
  EXPECT_NE(run.error, "");
  EXPECT_FALSE(std::filesystem::exists(File("out.cfg")));

  run = Run({"settings", "rewrite", File("none.cfg"), File("no/out.cfg"), "--model", "0"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.error.find("no/out.cfg"), std::string::npos);

  EXPECT_EQ(Run({"settings", "rewrite", File("a"), File("b")}).exit_code, 2);
  EXPECT_EQ(Run({"settings", "show", File("a"), "--model", "x"}).exit_code, 2);
}

TEST_F(DeviceCommandsTest, ClockWritesTheExampleAndReadsItBack) {
  ProgramRun run = Run({"clock", "write", File("time.cfg"), "2013", "05", "7", "14", "3", "09"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(test::ReadFile(File("time.cfg")), "13/05/07\r\n14/03/09\r\n");
  run = Run({"clock", "read", File("time.cfg")});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "2013 05 07 14 03 09\n");
}

TEST_F(DeviceCommandsTest, ClockRefusesValuesOutsideTheLists) {
  for (const char* year : {"2010", "2031", "13", "x"}) {
    const ProgramRun run = Run({"clock", "write", File("time.cfg"), year, "1", "1", "0", "0", "0"});
    EXPECT_EQ(run.exit_code, 1) << year;
    EXPECT_NE(run.error, "");
  }
  EXPECT_EQ(Run({"clock", "write", File("time.cfg"), "2020", "1", "32", "0", "0", "0"}).exit_code,
            1);
  EXPECT_EQ(Run({"clock", "write", File("time.cfg"), "2020", "1", "1", "24", "0", "0"}).exit_code,
            1);
  EXPECT_FALSE(std::filesystem::exists(File("time.cfg")));
}

TEST_F(DeviceCommandsTest, ClockReadShowsListsLeftWithoutASelection) {
  ASSERT_TRUE(test::WriteFile(File("time.cfg"), "31/12/31\r\n"));
  ProgramRun run = Run({"clock", "read", File("time.cfg")});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.output, "- 12 31 - - -\n");
  run = Run({"clock", "read", File("none.cfg")});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.output, "- - - - - -\n");
}

}  // namespace
}  // namespace vantrel
