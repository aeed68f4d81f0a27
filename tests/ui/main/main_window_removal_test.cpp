// The main window passes dropped folders and the news of a volume taken out to the source
// loading: taking out the volume of the opened source empties the list.
#include <QTest>

#include "temp_dir.h"
#include "ui/skin/rb_list_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {

class MainWindowRemovalTest : public QObject {
  Q_OBJECT

 private slots:
  void TakingOutTheOpenedVolumeEmptiesTheList() {
    test::TempDir card;
    QVERIFY(test::WriteFile(card.path() / "REC_20240101_100000.avi", "x"));
    QVERIFY(test::WriteFile(card.path() / "EVT_20240101_100100.avi", "x"));
    const std::string root = card.path().string() + "/";

    WindowFixture fixture(kEnglish, LoadTimings{20, 20});
    platform::Volume volume;
    volume.root = root;
    fixture.volumes.volumes = {volume};
    CRecboxViewerDlg& window = *fixture.window;
    window.show();

    window.OpenPaths({QString::fromStdString(card.path().string())});
    QTRY_COMPARE(window.List().RowCount(), 2);
    QTRY_VERIFY(!window.source_loading().loading_window_open());
    QCOMPARE(window.source_loading().source_root(), root);
    QCOMPARE(window.FilterFlags(), (FilterEnableFlags{true, true, true, false}));

    // Another volume going changes nothing.
    fixture.volumes.Remove("/media/other/");
    QCOMPARE(window.List().RowCount(), 2);

    const int stops_before = fixture.playback.stops;
    fixture.volumes.Remove(root);
    QCOMPARE(window.List().RowCount(), 0);
    QCOMPARE(window.FilterFlags(), FilterEnableFlags{});
    QVERIFY(fixture.playback.stops > stops_before);
    QVERIFY(window.source_loading().source_root().empty());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowRemovalTest)
#include "main_window_removal_test.moc"
