// The main window with the real web map, offscreen: the page loads without holding up the
// window, and a playing GPS recording puts its route and marker on the map, docked and popped
// out.
#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "playing_window.h"
#include "telemetry/map/widgets/map_dlg.h"
#include "telemetry/map/widgets/map_view_wnd.h"
#include "telemetry/map/widgets/rb_map_panel_ctrl.h"
#include "telemetry/map/widgets/web_engine_check.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"

namespace vantrel::ui {
namespace {

constexpr int kPatienceMs = 120000;

QJsonObject PageState(CMapViewWnd& view) {
  QByteArray state;
  view.ReadPage(QStringLiteral("vantrelMapState()"),
                [&state](const QVariant& result) { state = result.toString().toUtf8(); });
  (void)QTest::qWaitFor([&state] { return !state.isEmpty(); }, kPatienceMs);
  return QJsonDocument::fromJson(state).object();
}

}  // namespace

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
    QVERIFY(QTest::qWaitFor([view] { return view->page_loaded(); }, kPatienceMs));

    const std::filesystem::path folder = dir.path() / "recordings";
    std::filesystem::create_directories(folder);
    const sim::RecordingDescription description = ShortRecording(1, 0, 20.0);
    std::string error;
    QVERIFY(sim::WriteRecording(description,
                                (folder / sim::RecordingFileName(description)).string(), &error));
    window.OpenPaths({QString::fromStdString(folder.string())});
    QVERIFY(QTest::qWaitFor(
        [&] { return !window.PlacedWidget(Control::kMapPanel)->isHidden(); }, kPatienceMs));
    QVERIFY(!window.Button(button_id::kMap)->isHidden());
    QVERIFY(QTest::qWaitFor(
        [&] { return PageState(*view)[QStringLiteral("marker")].isObject(); }, kPatienceMs));
    QVERIFY(PageState(*view)[QStringLiteral("routePoints")].toInt() > 1);

    // Popped out, the same view keeps its page and goes on following the recording.
    window.OnCommand(button_id::kMap);
    QCOMPARE(view->parentWidget(), &window.map_window()->host());
    const int calls = PageState(*view)[QStringLiteral("calls")].toArray().size();
    QVERIFY(QTest::qWaitFor(
        [&] { return PageState(*view)[QStringLiteral("calls")].toArray().size() > calls; },
        kPatienceMs));
    window.map_window()->close_button().click();
    QCOMPARE(view->parentWidget(), window.map_panel());
    window.OnCommand(button_id::kClose);
  }
};

}  // namespace vantrel::ui

int main(int argc, char** argv) {
  vantrel::ui::PrepareHeadlessWebEngine();
  QApplication application(argc, argv);
  vantrel::ui::WebMapWindowTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "web_map_window_test.moc"
