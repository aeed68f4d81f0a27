// The main window passes dropped folders and the news of a volume taken out to the source
// loading: taking out the volume of the opened source empties the list, and the filter buttons
// look as enabled as their flags are.
#include <QTest>

#include "temp_dir.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/skin_image_ids.h"
#include "window_fixture.h"

namespace vantrel::ui {
namespace {

// The images the filter buttons All, Event, Normal and Parking show.
std::vector<int> FilterImagesShown(const CRecboxViewerDlg& window) {
  std::vector<int> shown;
  for (int id : {button_id::kFilterAll, button_id::kFilterEvent, button_id::kFilterNormal,
                 button_id::kFilterParking}) {
    shown.push_back(window.Button(id)->ShownImage());
  }
  return shown;
}

}  // namespace

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
    // Nothing is enabled before anything is open, and the filter buttons look it.
    const int disabled = kFilterImages.disabled;
    const std::vector<int> all_disabled(4, disabled);
    QCOMPARE(FilterImagesShown(window), all_disabled);

    window.OpenPaths({QString::fromStdString(card.path().string())});
    QTRY_COMPARE(window.List().RowCount(), 2);
    QTRY_VERIFY(!window.source_loading().loading_window_open());
    QCOMPARE(window.source_loading().source_root(), root);
    QCOMPARE(window.FilterFlags(), (FilterEnableFlags{true, true, true, false}));
    // All pressed; no parking recordings.
    QCOMPARE(FilterImagesShown(window),
             (std::vector<int>{kFilterImages.selected, kFilterImages.normal, kFilterImages.normal,
                               disabled}));

    // Another volume going changes nothing.
    fixture.volumes.Remove("/media/other/");
    QCOMPARE(window.List().RowCount(), 2);

    const int stops_before = fixture.playback.stops;
    fixture.volumes.Remove(root);
    QCOMPARE(window.List().RowCount(), 0);
    QCOMPARE(window.FilterFlags(), FilterEnableFlags{});
    QCOMPARE(FilterImagesShown(window), all_disabled);
    QVERIFY(fixture.playback.stops > stops_before);
    QVERIFY(window.source_loading().source_root().empty());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowRemovalTest)
#include "main_window_removal_test.moc"
