// The paths the picker hands back and the roots it refuses, on real folders in a temporary
// folder that stand for mounted volumes.
#include "ui/picker/folder_selection.h"

#include <QTest>
#include <filesystem>

#include "temp_dir.h"

namespace vantrel::ui {
namespace {

using platform::Volume;

Volume MakeVolume(const std::string& root, bool removable, bool system_disk = false) {
  Volume volume;
  volume.root = root;
  volume.removable = removable;
  volume.system_disk = system_disk;
  volume.bytes_per_sector = 512;
  volume.device_path = "/dev/sdx";
  return volume;
}

using Paths = std::vector<std::string>;

}  // namespace

class FolderSelectionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    temp_ = std::make_unique<test::TempDir>();
    // Resolved, so the expectations match what the picker makes of links above the folder.
    base_ = std::filesystem::canonical(temp_->path()).string();
    std::filesystem::create_directories(base_ + "/card/DCIM");
    std::filesystem::create_directories(base_ + "/data");
    volumes_ = {MakeVolume(base_ + "/card/", true), MakeVolume(base_ + "/data/", false)};
  }
  void cleanup() { temp_.reset(); }

  void PlainPathsResolveDotsSlashesAndLinks() {
    QCOMPARE(PlainPath("/"), std::string("/"));
    QCOMPARE(PlainPath("//"), std::string("/"));
    QCOMPARE(PlainPath("/nowhere/a/../b//c/"), std::string("/nowhere/b/c"));
    QCOMPARE(PlainPath(base_ + "/card/DCIM/.."), base_ + "/card");
    QCOMPARE(PlainPath(""), std::string());
    std::filesystem::create_symlink("/", base_ + "/to-root");
    QCOMPARE(PlainPath(base_ + "/to-root"), std::string("/"));
  }

  void VolumeRootsEndInSlashOtherFoldersDoNot() {
    QCOMPARE(ChosenPathText(base_ + "/card", volumes_), base_ + "/card/");
    QCOMPARE(ChosenPathText(base_ + "/card/", volumes_), base_ + "/card/");
    QCOMPARE(ChosenPathText(base_ + "/card/DCIM/", volumes_), base_ + "/card/DCIM");
    QCOMPARE(ChosenPathText("/", volumes_), std::string("/"));
    QCOMPARE(ChosenPathText(base_ + "/card/REC_20140101_120000", volumes_),
             base_ + "/card/REC_20140101_120000");
  }

  void SelectedItemsStayInTheirFolder() {
    const std::string card = base_ + "/card";
    QVERIFY((SelectedItemPaths(card, {"DCIM", "REC_1.avi", "REC_2"}, volumes_) ==
             Paths{card + "/DCIM", card + "/REC_1.avi", card + "/REC_2"}));
    // The folder already ending in "/" gets no second one.
    QVERIFY((SelectedItemPaths(card + "/", {"REC_1.avi"}, volumes_) == Paths{card + "/REC_1.avi"}));
    // Names that would reach out of the folder are not items.
    QVERIFY((SelectedItemPaths(card + "/DCIM", {"..", ".", "", "../../etc", "a/b", "ok"},
                               volumes_) == Paths{card + "/DCIM/ok"}));
    // Nothing (usable) selected: the folder itself, written as a root when it is one.
    QVERIFY((SelectedItemPaths(card, {}, volumes_) == Paths{card + "/"}));
    QVERIFY((SelectedItemPaths(card + "/DCIM", {".."}, volumes_) == Paths{card + "/DCIM"}));
    // The computer view lists drives by their paths.
    QVERIFY((SelectedItemPaths("", {"/", card, "relative"}, volumes_) == Paths{"/", card + "/"}));
    QVERIFY(SelectedItemPaths("", {}, volumes_).empty());
  }

  void BareRootsOfFixedDisksAreRefused() {
    QVERIFY(IsRefusedRoot("/", volumes_));
    QVERIFY(IsRefusedRoot("/", {}));
    QVERIFY(IsRefusedRoot("/tmp/..", {}));
    QVERIFY(IsRefusedRoot(base_ + "/data", volumes_));
    QVERIFY(IsRefusedRoot(base_ + "/data/", volumes_));
    QVERIFY(IsRefusedRoot(base_ + "/data/../data", volumes_));
    std::filesystem::create_symlink("/", base_ + "/to-root");
    QVERIFY(IsRefusedRoot(base_ + "/to-root", volumes_));

    // A card's root, folders and files on any disk are fine.
    QVERIFY(!IsRefusedRoot(base_ + "/card/", volumes_));
    QVERIFY(!IsRefusedRoot(base_ + "/card/DCIM", volumes_));
    QVERIFY(!IsRefusedRoot(base_ + "/data/recordings", volumes_));
    QVERIFY(!IsRefusedRoot("/home", {}));
    QVERIFY(!IsRefusedRoot("", volumes_));

    // A removable disk that also holds the system is no card.
    const std::vector<Volume> system = {MakeVolume(base_ + "/card/", true, true)};
    QVERIFY(IsRefusedRoot(base_ + "/card", system));
  }

 private:
  std::unique_ptr<test::TempDir> temp_;
  std::string base_;
  std::vector<Volume> volumes_;
};

}  // namespace vantrel::ui

QTEST_APPLESS_MAIN(vantrel::ui::FolderSelectionTest)
#include "folder_selection_test.moc"
