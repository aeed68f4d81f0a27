// Opening a card's disk as a user who is not root: directly when allowed, else through udisks2 -
// here a fake org.freedesktop.UDisks2 on a private bus that passes back a descriptor of a card
// image, or refuses - and the message when every way is refused.
#include "catalogue/card_access.h"

#include <gtest/gtest.h>

#include "catalogue/lyfs_card_scan.h"
#include "catalogue_test_support.h"
#include "lyfs_card_fixture.h"
#include "platform/udisks_disk_access.h"
#include "private_bus.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

// The disk as the card list names it; no such node exists, only the disk service knows it.
constexpr char kDisk[] = "/dev/vantrel-test-card";

// A device node this user may not open, whatever is asked.
std::unique_ptr<lyfs::BlockDevice> RefusedNode(const std::string&, bool, bool* refused) {
  *refused = true;
  return nullptr;
}

// Answers as told and counts what it was asked.
class CountingBroker : public platform::DiskAccessBroker {
 public:
  explicit CountingBroker(platform::DiskAccessOutcome outcome) : outcome_(outcome) {}
  platform::DiskAccessResult OpenDisk(const std::string&, bool writable) override {
    (writable ? writes : reads)++;
    platform::DiskAccessResult result;
    result.outcome = outcome_;
    return result;
  }
  int writes = 0;
  int reads = 0;

 private:
  platform::DiskAccessOutcome outcome_;
};

class CardAccessTest : public ::testing::Test {
 protected:
  CardAccessTest() : image_(dir_.File("card.img")) {
    test::SetUpNames(catalogue_);
    EXPECT_TRUE(test::MakeLyfsCardImage(image_, 8,
                                        {{"EVENT", "EVT_20240101_120000.avi", "event"},
                                         {"INFINITE", "REC_20240101_115900.avi", "drive"}}));
  }

  // Scans the card at kDisk, refused directly, with a broker that answers `outcome`; the
  // broker's counts of what it was asked.
  std::pair<int, int> AskedWritesAndReads(platform::DiskAccessOutcome outcome) {
    auto broker = std::make_unique<CountingBroker>(outcome);
    CountingBroker& asked = *broker;
    CardAccess access(std::move(broker), RefusedNode);
    EXPECT_FALSE(ScanLyfsCard(catalogue_, test::LyfsCard(kDisk)));
    EXPECT_TRUE(CardDiskRefused(kDisk));
    return {asked.writes, asked.reads};
  }

  test::TempDir dir_;
  const std::string image_;
  RecordingCatalogue catalogue_;
};

TEST_F(CardAccessTest, ADiskThisUserMayOpenNeverAsksTheService) {
  auto broker = std::make_unique<CountingBroker>(platform::DiskAccessOutcome::kOpened);
  CountingBroker& asked = *broker;
  CardAccess access(std::move(broker));
  ASSERT_TRUE(ScanLyfsCard(catalogue_, test::LyfsCard(image_)));
  EXPECT_EQ(catalogue_.entries().size(), 2u);
  EXPECT_EQ(asked.writes + asked.reads, 0);
  EXPECT_FALSE(CardDiskRefused(image_));
}

TEST_F(CardAccessTest, ARefusedUserIsAskedOnceNotAgainForReading) {
  EXPECT_EQ(AskedWritesAndReads(platform::DiskAccessOutcome::kNotAuthorized), std::make_pair(1, 0));
  // Gone with the access that found it.
  EXPECT_FALSE(CardDiskRefused(kDisk));
}

TEST_F(CardAccessTest, AServiceThatCannotWriteIsAskedToRead) {
  // A write-protected card: the service opens it, but not for writing.
  const auto [writes, reads] = AskedWritesAndReads(platform::DiskAccessOutcome::kFailed);
  EXPECT_EQ(writes, 1);
  EXPECT_GE(reads, 1);
}

class UdisksCardAccessTest : public CardAccessTest {
 protected:
  UdisksCardAccessTest() : bus_(dir_.path()) {}

  // The fake service on the private bus, ready when this returns.
  std::unique_ptr<test::ChildProcess> StartService(bool refuse) {
    std::vector<std::string> words = {bus_.address(), kDisk, image_};
    if (refuse) words.push_back("--refuse");
    auto service = std::make_unique<test::ChildProcess>(test::ToolPath("fake-udisks"), words);
    EXPECT_EQ(service->ReadLine(), "ready");
    return service;
  }

  test::PrivateBus bus_;
};

TEST_F(UdisksCardAccessTest, TheCardOpensThroughTheServicesDescriptor) {
  ASSERT_FALSE(bus_.address().empty()) << "dbus-daemon did not start";
  const auto service = StartService(false);
  CardAccess access(std::make_unique<platform::UdisksDiskAccess>(bus_.address()), RefusedNode);
  ASSERT_TRUE(ScanLyfsCard(catalogue_, test::LyfsCard(kDisk)));
  ASSERT_EQ(catalogue_.entries().size(), 2u);
  EXPECT_EQ(catalogue_.entries()[0].name, "REC_20240101_115900.avi");
  EXPECT_FALSE(CardDiskRefused(kDisk));
  // Another disk is unknown to the service: refused as before, not opened as the card.
  EXPECT_FALSE(ScanLyfsCard(catalogue_, test::LyfsCard("/dev/vantrel-other")));
  EXPECT_TRUE(CardDiskRefused("/dev/vantrel-other"));
}

TEST_F(UdisksCardAccessTest, ARefusalGivesTheMessageAndTheCardCanBeTriedAgain) {
  ASSERT_FALSE(bus_.address().empty()) << "dbus-daemon did not start";
  {
    const auto service = StartService(true);
    CardAccess access(std::make_unique<platform::UdisksDiskAccess>(bus_.address()), RefusedNode);
    EXPECT_FALSE(ScanLyfsCard(catalogue_, test::LyfsCard(kDisk)));
    EXPECT_TRUE(CardDiskRefused(kDisk));
    const std::optional<std::string> message = DiskAccessMessage(0, kDisk);
    ASSERT_TRUE(message);
    EXPECT_NE(message->find(std::string("disk ") + kDisk + ","), std::string::npos) << *message;
    EXPECT_NE(message->find("udev rule"), std::string::npos);
    EXPECT_NE(message->find("group \"disk\""), std::string::npos);
  }
  // The user says yes the next time.
  const auto service = StartService(false);
  CardAccess access(std::make_unique<platform::UdisksDiskAccess>(bus_.address()), RefusedNode);
  EXPECT_TRUE(ScanLyfsCard(catalogue_, test::LyfsCard(kDisk)));
}

}  // namespace
}  // namespace vantrel
