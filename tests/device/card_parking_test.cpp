// Parking a card's own files during a format: a private folder of their own, byte-identical
// copies back, and nothing lost when they cannot go back.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "device/card_file_parking.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

class CardParkingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(card_);
    ASSERT_TRUE(WriteFile(card_ / "setup.cfg", setup_));
    ASSERT_TRUE(WriteFile(card_ / "Vantrel Viewer.msi", installer_));
  }
  std::optional<device::ParkedCardFiles> Park() {
    return device::ParkedCardFiles::Park(card_.string() + "/", {"Vantrel Viewer.msi", "setup.cfg"},
                                         parent_.string());
  }

  TempDir temp_;
  const fs::path card_ = temp_.path() / "card";
  const fs::path parent_ = temp_.path() / "parked";
  const std::string setup_ = std::string("Product Name : KT520A\r\n\0\xff", 25);
  const std::string installer_ = std::string(300000, '\x5a') + "end";
};

TEST_F(CardParkingTest, EachFormatParksInAFreshPrivateFolderAndRestoresExactly) {
  // Files of the same names from an earlier format are never taken for the card's own.
  ASSERT_TRUE(WriteFile(parent_ / "setup.cfg", "stale"));
  ASSERT_TRUE(WriteFile(parent_ / "format-old" / "setup.cfg", "stale"));
  auto first = Park();
  auto second = Park();
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->folder(), second->folder());
  struct stat facts {};
  ASSERT_EQ(::stat(first->folder().c_str(), &facts), 0);
  EXPECT_EQ(facts.st_mode & 0777, 0700u);

  fs::remove_all(card_);  // the format empties the card
  fs::create_directories(card_);
  EXPECT_EQ(first->Restore(card_.string() + "/"),
            (std::vector<std::string>{"Vantrel Viewer.msi", "setup.cfg"}));
  EXPECT_EQ(ReadFile(card_ / "setup.cfg"), setup_);
  EXPECT_EQ(ReadFile(card_ / "Vantrel Viewer.msi"), installer_);
  EXPECT_FALSE(fs::exists(first->folder()));
  EXPECT_EQ(ReadFile(parent_ / "setup.cfg"), "stale");
}

TEST_F(CardParkingTest, ACardGoneDuringTheFormatLeavesTheFilesParked) {
  auto parked = Park();
  ASSERT_TRUE(parked);
  fs::remove_all(card_);
  EXPECT_TRUE(parked->Restore(card_.string() + "/").empty());
  EXPECT_EQ(ReadFile(fs::path(parked->folder()) / "setup.cfg"), setup_);
  EXPECT_EQ(ReadFile(fs::path(parked->folder()) / "Vantrel Viewer.msi"), installer_);
  // Once the card is back the files can still go home.
  fs::create_directories(card_);
  EXPECT_EQ(parked->Restore(card_.string()).size(), 2u);
  EXPECT_EQ(ReadFile(card_ / "setup.cfg"), setup_);
  EXPECT_FALSE(fs::exists(parked->folder()));
}

TEST_F(CardParkingTest, AFileThatCannotBeParkedStopsEverythingAndLeavesNothing) {
  const auto parked = device::ParkedCardFiles::Park(card_.string() + "/",
                                                    {"setup.cfg", "missing.cfg"}, parent_.string());
  EXPECT_FALSE(parked);
  EXPECT_TRUE(fs::is_empty(parent_));
  EXPECT_EQ(ReadFile(card_ / "setup.cfg"), setup_);  // the card is untouched
}

}  // namespace
}  // namespace vantrel::test
