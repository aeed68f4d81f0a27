// The main window as built: its state after start-up, where its controls stand in both layouts
// and at two sizes, the layout toggle, and moving and resizing it by hand.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "playback/video_placement.h"
#include "playback/widgets/rb_screen_ctrl.h"
#include "rect_printing.h"
#include "ui/main/control_ids.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {
namespace {

Rect RectOf(const QWidget* widget) {
  const QRect g = widget->geometry();
  return Rect::At(g.x(), g.y(), g.width(), g.height());
}

// Every control the layout places stands where the layout says, and shows or hides as it says.
void VerifyPlacements(const CRecboxViewerDlg& window) {
  const MainLayout& layout = window.current_layout();
  for (const Placement& placement : layout.placements) {
    const QWidget* widget = window.PlacedWidget(placement.control);
    QVERIFY2(widget, "every placed control exists");
    if (placement.rect) QCOMPARE(RectOf(widget), *placement.rect);
    if (placement.visibility == Visibility::kShow) QVERIFY(!widget->isHidden());
    if (placement.visibility == Visibility::kHide) QVERIFY(widget->isHidden());
  }
  QCOMPARE(window.property("layoutMode").toInt(), layout.mode);
}

void SendMouse(QWidget* window, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
  const QPoint global = window->mapToGlobal(local);
  QMouseEvent event(type, QPointF(local), QPointF(global),
                    type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(window, &event);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void StartsInItsInitialState() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    QCOMPARE(window.size(), QSize(1026, 770));
    QCOMPARE(window.minimumSize(), QSize(1026, 770));
    QCOMPARE(window.windowTitle(), QStringLiteral("Vantrel Viewer"));
    QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(window.layout_mode(), kFullLayout);
    QCOMPARE(window.property("layoutMode").toInt(), 1);

    for (int id :
         {button_id::kSaveCopy, button_id::kCapture, button_id::kPrint, button_id::kPrev,
          button_id::kRewind, button_id::kPlay, button_id::kFastForward, button_id::kNext}) {
      QVERIFY2(!window.Button(id)->skin_enabled(), qPrintable(QString::number(id)));
    }
    QVERIFY(window.Button(button_id::kOpen)->skin_enabled());
    QVERIFY(!window.SeekSlider()->isEnabled());
    QVERIFY(window.Button(button_id::kFront)->selected());
    for (int id : {button_id::kFront, button_id::kRear, button_id::kAllChannels, button_id::kPause,
                   button_id::kMap}) {
      QVERIFY2(window.Button(id)->isHidden(), qPrintable(QString::number(id)));
    }
    QVERIFY(!window.Button(button_id::kPlay)->isHidden());
    QVERIFY(!window.PlacedWidget(Control::kMapNoData)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kMapNotConnected)->isHidden());
    QCOMPARE(window.Button(button_id::kMute)->images().normal, 19243);
    QCOMPARE(window.FilterFlags(), (FilterEnableFlags{}));

    // Each button has its size and images; channel faces follow the language.
    QCOMPARE(window.Button(button_id::kClose)->size(), QSize(44, 36));
    QCOMPARE(window.Button(button_id::kSpeed)->size(), QSize(25, 24));
    QCOMPARE(window.Button(button_id::kFilterAll)->size(), QSize(18, 20));
    QCOMPARE(window.Button(button_id::kOpen)->images().normal, 19101);
    QCOMPARE(window.Button(button_id::kFront)->images().normal, 184);
    QCOMPARE(window.Button(button_id::kAllChannels)->images().selected, 189);
    QVERIFY(window.Button(button_id::kClose)->top_bar());
    QVERIFY(!window.Button(button_id::kPrev)->top_bar());
    QCOMPARE(window.SmallSlider(kVolumeSliderId)->size(), QSize(127, 30));
    QCOMPARE(window.SeekSlider()->end_inset(), 15);

    // Nine text panels with their types; the video surfaces hidden until something plays.
    const std::vector<std::pair<int, int>> panels = {{1007, 1},  {1008, 2},  {1009, 3},
                                                     {1010, 4},  {1013, 7},  {1014, 10},
                                                     {1015, 11}, {1016, 12}, {1017, 13}};
    for (const auto& [id, type] : panels) QCOMPARE(window.Panel(id)->panel_type(), type);
    for (int channel : {1, 2}) {
      QCOMPARE(window.Surface(channel)->objectName(), QStringLiteral("RbScreenWnd"));
      QVERIFY(window.Surface(channel)->isHidden());
    }
    QCOMPARE(window.Surface(1)->id(), 1004);
    QCOMPARE(window.Surface(2)->id(), 1005);
  }

  void ChannelFacesFollowTheLanguage() {
    WindowFixture korean(kKorean);
    QCOMPARE(korean.window->Button(button_id::kFront)->images().normal, 20031);
    QCOMPARE(korean.window->Button(button_id::kRear)->images().selected, 20042);
    korean.window->ApplyLanguage(kJapanese);
    QCOMPARE(korean.window->Button(button_id::kAllChannels)->images().normal, 1139);
    QCOMPARE(korean.window->Panel(1007)->language_index(), kJapanese);
    // No library for this index: the faces stay as they were.
    korean.window->ApplyLanguage(7);
    QCOMPARE(korean.window->Button(button_id::kAllChannels)->images().normal, 1139);
  }

  void ChannelFacesStayAsTheyAreWhenTheLibraryIsMissing() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.SetLanguageLibraryCheck([](int language) { return language != kGerman; });
    window.Button(button_id::kFront)->SetSelected(false);
    window.Button(button_id::kRear)->SetSelected(true);

    window.ApplyLanguage(kGerman);
    QCOMPARE(window.Panel(1007)->language_index(), kGerman);
    QCOMPARE(window.Button(button_id::kFront)->ShownImage(), 184);
    QCOMPARE(window.Button(button_id::kRear)->ShownImage(), 187);
    QCOMPARE(window.Button(button_id::kAllChannels)->images().normal, 188);
    QVERIFY(window.Button(button_id::kRear)->selected());

    // Once it loads, the faces are the language's, in the same states.
    window.ApplyLanguage(kJapanese);
    QCOMPARE(window.Button(button_id::kFront)->ShownImage(), 1135);
    QCOMPARE(window.Button(button_id::kRear)->ShownImage(), 1138);
  }

  void ControlsStandWhereTheLayoutSaysAtTwoSizes() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    VerifyPlacements(window);
    QCOMPARE(RectOf(window.Button(button_id::kClose)), Rect::At(980, 12, 44, 36));
    QCOMPARE(RectOf(window.SeekSlider()), Rect::At(32, 473, 666, 19));
    QCOMPARE(RectOf(window.PlacedWidget(Control::kList)), (Rect{741, 83, 1008, 507}));
    QCOMPARE(RectOf(window.Surface(1)), Rect::At(25, 67, 677, 380));

    const int changes_before = fixture.playback.layout_changes;
    window.resize(1600, 1000);
    QVERIFY(fixture.playback.layout_changes > changes_before);
    VerifyPlacements(window);
    QCOMPARE(RectOf(window.Button(button_id::kClose)), Rect::At(1554, 12, 44, 36));
    QCOMPARE(RectOf(window.SeekSlider()), Rect::At(32, 703, 1242, 19));

    // Never below the minimum, whatever asks for it.
    window.resize(600, 400);
    QCOMPARE(window.size(), QSize(1026, 770));
  }

  void EscapeTogglesTheLayoutAndRefitsTheVideo() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    // Playing makes no difference to the toggle.
    fixture.playback.state = PlaybackState::kRunning;
    const int changes_before = fixture.playback.layout_changes;
    QTest::keyClick(&window.List(), Qt::Key_Escape);
    QCOMPARE(window.layout_mode(), kCompactLayout);
    QVERIFY(window.isVisible());
    QCOMPARE(fixture.playback.layout_changes, changes_before + 1);
    VerifyPlacements(window);
    QVERIFY(window.Button(button_id::kOpen)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kList)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kGsensorGraph)->isHidden());
    QCOMPARE(RectOf(window.Button(button_id::kLayoutToggle)), Rect::At(976, 727, 36, 36));
    QVERIFY(fixture.playback.commands.empty());

    window.resize(1600, 1000);
    VerifyPlacements(window);

    // The button toggles back; the full layout shows its right column again.
    window.Button(button_id::kLayoutToggle)->click();
    QCOMPARE(window.layout_mode(), kFullLayout);
    VerifyPlacements(window);
    QVERIFY(!window.PlacedWidget(Control::kList)->isHidden());
    QVERIFY(window.PlacedWidget(Control::kMapButton)->isHidden());
  }

  void DraggingTheFrameResizesAndMovesWithinTheMinimum() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    window.move(200, 100);
    const QRect start = window.geometry();

    // The left edge dragged right stops at the minimum width: nothing changes.
    SendMouse(&window, QEvent::MouseButtonPress, {3, 300}, Qt::LeftButton);
    SendMouse(&window, QEvent::MouseMove, {103, 300}, Qt::LeftButton);
    QCOMPARE(window.geometry(), start);
    // Dragged left it follows the mouse and the right edge stays.
    SendMouse(&window, QEvent::MouseMove, {-100, 300}, Qt::LeftButton);
    QCOMPARE(window.geometry().left(), start.left() - 100);
    QCOMPARE(window.geometry().right(), start.right());
    SendMouse(&window, QEvent::MouseButtonRelease, {0, 300}, Qt::NoButton);

    // The bottom-right corner follows freely.
    const QRect wide = window.geometry();
    SendMouse(&window, QEvent::MouseButtonPress, {wide.width() - 2, wide.height() - 2},
              Qt::LeftButton);
    SendMouse(&window, QEvent::MouseMove, {wide.width() + 48, wide.height() + 28}, Qt::LeftButton);
    QCOMPARE(window.size(), QSize(wide.width() + 48, wide.height() + 28));
    SendMouse(&window, QEvent::MouseButtonRelease, {0, 0}, Qt::NoButton);

    // A press inside moves the window by the grab point, size unchanged.
    const QRect before = window.geometry();
    SendMouse(&window, QEvent::MouseButtonPress, {300, 20}, Qt::LeftButton);
    SendMouse(&window, QEvent::MouseMove, {340, 50}, Qt::LeftButton);
    QCOMPARE(window.geometry(), before.translated(40, 30));
    SendMouse(&window, QEvent::MouseButtonRelease, {340, 50}, Qt::NoButton);
    // Released: moving the mouse moves nothing any more.
    SendMouse(&window, QEvent::MouseMove, {500, 300}, Qt::NoButton);
    QCOMPARE(window.geometry(), before.translated(40, 30));
  }

  void TopBandDoubleClickMaximisesInTheFullLayoutOnly() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QVERIFY(window.isMaximized());
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QVERIFY(!window.isMaximized());
    // Below the band: nothing.
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 49));
    QVERIFY(!window.isMaximized());

    window.OnCommand(button_id::kLayoutToggle);
    QTest::mouseDClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(300, 30));
    QVERIFY(!window.isMaximized());
    // The Max button works in any layout.
    window.OnCommand(button_id::kMax);
    QVERIFY(window.isMaximized());
    window.OnCommand(button_id::kMax);
    QVERIFY(!window.isMaximized());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowTest)
#include "main_window_test.moc"
