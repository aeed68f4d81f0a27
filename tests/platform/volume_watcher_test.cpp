#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>

#include "platform/volume_watcher.h"
#include "temp_dir.h"
#include "volume_fixture.h"

namespace vantrel::platform {
namespace {

// The watcher needs an event loop; tests of other adapters in this program may already have
// made the application object.
std::unique_ptr<QCoreApplication> ApplicationForTest() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QCoreApplication>(argc, argv);
}

TEST(VolumeWatcher, PollsAFakeMountTableOnATimer) {
  const std::unique_ptr<QCoreApplication> application = ApplicationForTest();
  test::TempDir dir;
  test::FakeSystemTree tree(dir.path());
  test::FakeDisk card;
  card.name = "sdb";
  card.removable = "1";
  tree.AddDisk(card);
  tree.AddPartition(card, "sdb1", 17);
  tree.SetMountInfo("27 1 0:31 / / rw - ext4 /dev/vda rw\n");

  LinuxVolumeProvider provider(tree.files());
  std::vector<VolumeChange> heard;
  provider.AddListener([&](const VolumeChange& change) { heard.push_back(change); });
  const VolumeWatcher watcher(provider, std::chrono::milliseconds(5));
  EXPECT_FALSE(watcher.watches_mount_table());  // an ordinary file never signals

  tree.SetMountInfo(
      "27 1 0:31 / / rw - ext4 /dev/vda rw\n"
      "60 27 8:17 / /media/card rw - vfat /dev/sdb1 rw\n");
  QElapsedTimer waited;
  waited.start();
  while (heard.empty() && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  EXPECT_EQ(heard, (std::vector<VolumeChange>{{VolumeEvent::kArrived, "/media/card/"}}));
}

// This computer's own volumes: whatever is mounted, the disk of "/" is never a card.
TEST(VolumeWatcher, RealSystemKeepsRootFromBeingACard) {
  const std::unique_ptr<QCoreApplication> application = ApplicationForTest();
  LinuxVolumeProvider provider;
  const std::vector<Volume> volumes = provider.Volumes();
  for (const Volume& volume : volumes) {
    EXPECT_EQ(volume.root.back(), '/') << volume.root;
    if (volume.system_disk) {
      EXPECT_FALSE(OfferableAsCard(volume)) << volume.root;
    }
  }
  const auto root = std::find_if(volumes.begin(), volumes.end(),
                                 [](const Volume& volume) { return volume.root == "/"; });
  if (root != volumes.end() && !root->device_path.empty()) {
    EXPECT_TRUE(root->system_disk) << root->device_path;
  }
  EXPECT_TRUE(provider.Poll());
  if (std::filesystem::exists("/proc/self/mountinfo")) {
    const VolumeWatcher watcher(provider);
    EXPECT_TRUE(watcher.watches_mount_table());
  }
}

}  // namespace
}  // namespace vantrel::platform
