// Which source a chosen path opens and which volume holds the opened source.
#include <QtTest>
#include <filesystem>

#include "ui/main/source_root.h"

namespace vantrel::ui {
namespace {

platform::Volume VolumeAt(const std::string& root) {
  platform::Volume volume;
  volume.root = root;
  return volume;
}

SourceRecord Source(const std::string& root, SourceKind kind) {
  SourceRecord source;
  source.root = root;
  source.kind = kind;
  return source;
}

}  // namespace

class SourceRootTest : public QObject {
  Q_OBJECT

 private slots:
  void mountPointOpensTheCardWithOrWithoutItsSlash() {
    RecordingCatalogue catalogue;
    catalogue.SetSources({Source("/media/u/CARD/", SourceKind::kFatCard),
                          Source("/media/u/LYFS/", SourceKind::kLyfsCard),
                          Source(std::string(kComputerSourceName), SourceKind::kComputerFolder)});
    QCOMPARE(SourceIndexForChosenPath(catalogue, "/media/u/CARD/"), 0);
    QCOMPARE(SourceIndexForChosenPath(catalogue, "/media/u/LYFS"), 1);
    // A folder on the card, another spelling, or a similar name is a computer folder.
    QCOMPARE(SourceIndexForChosenPath(catalogue, "/media/u/CARD/QX_RECBOX"), 2);
    QCOMPARE(SourceIndexForChosenPath(catalogue, "/media/u/card"), 2);
    QCOMPARE(SourceIndexForChosenPath(catalogue, "/media/u/CARD2"), 2);
    QCOMPARE(SourceIndexForChosenPath(catalogue, ""), 2);

    RecordingCatalogue nothing_listed;
    QCOMPARE(SourceIndexForChosenPath(nothing_listed, "/media/u/CARD"), -1);
  }

  void volumeRootIsTheLongestWholeComponentMatch() {
    const std::vector<platform::Volume> volumes = {VolumeAt("/"), VolumeAt("/media/u/CARD/"),
                                                   VolumeAt("/media/u/CARD/inner/"),
                                                   VolumeAt("/mnt/bare")};
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD/QX_RECBOX/REC_1.avi"),
             std::string("/media/u/CARD/"));
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD"), std::string("/media/u/CARD/"));
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD/inner/x"),
             std::string("/media/u/CARD/inner/"));
    // Name prefixes that stop inside a component do not count.
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD2/x"), std::string("/"));
    QCOMPARE(VolumeRootHolding(volumes, "/mnt/bare/x"), std::string("/mnt/bare"));
    // Dots are resolved before comparing, so "../" cannot climb onto another volume.
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD/inner/../x"), std::string("/media/u/CARD/"));
    QCOMPARE(VolumeRootHolding(volumes, "/media/u/CARD/./inner"),
             std::string("/media/u/CARD/inner/"));
    QCOMPARE(VolumeRootHolding(volumes, ""), std::string());
    QCOMPARE(VolumeRootHolding({VolumeAt("/media/u/CARD/")}, "/home/u/clips"), std::string());
  }

  void relativePathsAreTakenFromTheCurrentFolder() {
    const std::string here = std::filesystem::current_path().string() + "/";
    const std::vector<platform::Volume> volumes = {VolumeAt("/"), VolumeAt(here)};
    QCOMPARE(VolumeRootHolding(volumes, "clips/REC_1.avi"), here);
    QCOMPARE(VolumeRootHolding(volumes, "."), here);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::SourceRootTest)
#include "source_root_test.moc"
