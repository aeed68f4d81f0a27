// The main window with the real web map, offscreen: the page loads without holding up the
// window, and a playing GPS recording puts its route and marker on the map, docked and popped
// out.
#include <QJsonArray>
#include <QTest>

#include "map_page_state.h"
#include "playing_window.h"
#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/map_view_wnd.h"
#include "telemetry/map/widgets/rb_map_panel_ctrl.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "web_engine_test_main.h"

namespace vantrel::ui {

class WebMapWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void pageLoadsBehindAWorkingWindowAndShowsTheRoute() {
    test::TempDir dir;
    ListedVolumes volumes;
    ViewerOptions options;
    options.language = kEnglish;
    PlaybackSetup setup{QuickDelays(), false, nullptr, MapSource{}, [] { return true; }};
    CRecboxViewerDlg window(options, volumes, setup, LoadTimings{10, 20},
                            [](QWidget*, int) { return std::optional<PickedSource>(); });
    RecordedMessages messages;
    window.SetMessages(messages);
    window.show();
    CMapViewWnd* view = window.map_view();
    QVERIFY(view);
    QCOMPARE(view->parentWidget(), window.map_panel());
    // The window answers commands while the page is still on its way.
    QVERIFY(!view->page_loaded());
    window.OnCommand(button_id::kLayoutToggle);
    window.OnCommand(button_id::kLayoutToggle);
    QCOMPARE(window.layout_mode(), kFullLayout);
    QVERIFY(WaitForMapPage(*view));

    const std::filesystem::path folder = dir.path() / "recordings";
    std::filesystem::create_directories(folder);
    const sim::RecordingDescription description = ShortRecording(1, 0, 20.0);
    std::string error;
    QVERIFY(sim::WriteRecording(description,
                                (folder / sim::RecordingFileName(description)).string(), &error));
    window.OpenPaths({QString::fromStdString(folder.string())});
    QVERIFY(QTest::qWaitFor([&] { return !window.PlacedWidget(Control::kMapPanel)->isHidden(); },
                            kMapPatienceMs));
    QVERIFY(!window.Button(button_id::kMap)->isHidden());
    QVERIFY(QTest::qWaitFor(
        [&] { return MapPageState(*view)[QStringLiteral("marker")].isObject(); }, kMapPatienceMs));
    QVERIFY(MapPageState(*view)[QStringLiteral("routePoints")].toInt() > 1);

    // Popped out, the same view keeps its page and goes on following the recording.
    window.OnCommand(button_id::kMap);
    QCOMPARE(view->parentWidget(), &window.map_window()->host());
    const int calls = MapPageState(*view)[QStringLiteral("calls")].toArray().size();
    QVERIFY(QTest::qWaitFor(
        [&] { return MapPageState(*view)[QStringLiteral("calls")].toArray().size() > calls; },
        kMapPatienceMs));
    window.map_window()->close_button().click();
    QCOMPARE(view->parentWidget(), window.map_panel());
    window.OnCommand(button_id::kClose);
  }
};

}  // namespace vantrel::ui

VANTREL_WEB_ENGINE_TEST_MAIN(vantrel::ui::WebMapWindowTest)
#include "web_map_window_test.moc"
