#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/mountinfo.h"
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

// Runs the event loop until the listener has heard count changes or five seconds have passed.
void WaitToHear(const std::vector<VolumeChange>& heard, size_t count) {
  QElapsedTimer waited;
  waited.start();
  while (heard.size() < count && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
}

TEST(VolumeWatcher, PollsAFakeMountTableOnATimer) {
  const std::unique_ptr<QCoreApplication> application = ApplicationForTest();
  test::TempDir dir;
  test::FakeSystemTree tree(dir.path());
  const test::FakeDisk card = test::MakeDisk("sdb", 8, 16, "1");
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
  WaitToHear(heard, 1);
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

// The kernel's own signal, with a real mount: in a private mount namespace (so nothing outside
// this test sees it) a whole file system already mounted is bound to a second place and taken
// away again. Skipped where the namespace cannot be made (no privilege).
TEST(VolumeWatcher, KernelSignalsARealMountAndUnmount) {
  if (unshare(CLONE_NEWNS) != 0 ||
      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    GTEST_SKIP() << "no private mount namespace here";
  }
  std::ifstream table("/proc/self/mountinfo");
  const std::string text((std::istreambuf_iterator<char>(table)), std::istreambuf_iterator<char>());
  LinuxVolumeProvider provider;
  std::string whole;  // mount point of a volume whose whole file system is mounted
  for (const MountEntry& mount : ParseMountInfo(text)) {
    for (const Volume& volume : provider.Volumes()) {
      if (mount.root == "/" && volume.mount_id == mount.mount_id) whole = mount.mount_point;
    }
  }
  if (whole.empty()) GTEST_SKIP() << "no volume to bind";

  const std::unique_ptr<QCoreApplication> application = ApplicationForTest();
  test::TempDir dir;
  const std::filesystem::path bound = std::filesystem::canonical(dir.path()) / "bound";
  std::filesystem::create_directory(bound);
  // Whatever fails below, the bind is gone before the temporary folder is deleted: the deletion
  // must never walk into the bound file system. It is read-only for the same reason.
  struct Unbind {
    ~Unbind() { umount2(path.c_str(), MNT_DETACH); }
    std::string path;
  } unbind{bound.string()};
  std::vector<VolumeChange> heard;
  provider.AddListener([&](const VolumeChange& change) { heard.push_back(change); });
  const VolumeWatcher watcher(provider, std::chrono::hours(1));  // the timer cannot help
  ASSERT_TRUE(watcher.watches_mount_table());
  ASSERT_EQ(mount(whole.c_str(), bound.c_str(), nullptr, MS_BIND, nullptr), 0);
  ASSERT_EQ(mount(nullptr, bound.c_str(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr), 0);
  WaitToHear(heard, 1);
  ASSERT_EQ(umount(bound.c_str()), 0);
  WaitToHear(heard, 2);
  const std::string root = bound.string() + "/";
  EXPECT_EQ(heard, (std::vector<VolumeChange>{{VolumeEvent::kArrived, root},
                                              {VolumeEvent::kRemoved, root}}));
}

}  // namespace
}  // namespace vantrel::platform
