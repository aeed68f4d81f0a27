// What the main window does with its commands: keys, buttons and the context menu reach
// playback, the loading and the list filters; everything but Close waits while a recording
// loads; Close and the window's end shut playback down.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "catalogue/recording_entry.h"
#include "ui/main/control_ids.h"
#include "ui/main/playback_menu.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "window_fixture.h"

namespace vantrel::ui {
namespace {

QAction* ActionOf(QMenu& menu, int command) {
  for (QAction* action : menu.actions()) {
    if (action->data().toInt() == command) return action;
  }
  return nullptr;
}

// Rows of three kinds, listed as a completed load leaves them.
void FillCatalogue(CRecboxViewerDlg& window) {
  RecordingCatalogue& catalogue = window.Catalogue();
  catalogue.BeginScan();
  catalogue.AddEntry(MakeEntry("REC_20240101_100000.avi", 1, -1, "/c/REC_20240101_100000.avi", 1));
  catalogue.AddEntry(MakeEntry("EVT_20240101_100100.avi", 1, -1, "/c/EVT_20240101_100100.avi", 1));
  catalogue.AddEntry(MakeEntry("REC_20240101_100200.avi", 1, -1, "/c/REC_20240101_100200.avi", 1));
  catalogue.AddEntry(MakeEntry("EVT_20240101_100300.avi", 1, -1, "/c/EVT_20240101_100300.avi", 1));
  catalogue.SortEntries();
  catalogue.FillAll(window.List(), [](uint32_t) { return std::nullopt; });
  window.FilterFlags() = EnableFlagsFrom(catalogue.kind_presence());
}

}  // namespace

class MainWindowCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysRunTheirCommands() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    QWidget* focus = &window.List();
    std::vector<int>& commands = fixture.playback.commands;

    fixture.playback.state = PlaybackState::kRunning;
    QTest::keyClick(focus, Qt::Key_Space);
    fixture.playback.state = PlaybackState::kPaused;
    QTest::keyClick(focus, Qt::Key_Space);
    fixture.playback.state = PlaybackState::kStopped;
    QTest::keyClick(focus, Qt::Key_Space);
    QCOMPARE(commands, (std::vector<int>{1015, 1013}));

    commands.clear();
    QTest::keyClick(focus, Qt::Key_Up);
    QTest::keyClick(focus, Qt::Key_Down);
    QTest::keyClick(focus, Qt::Key_B);
    QTest::keyClick(focus, Qt::Key_M, Qt::ShiftModifier);
    QTest::keyClick(focus, Qt::Key_S);
    QTest::keyClick(focus, Qt::Key_X);
    QCOMPARE(commands, (std::vector<int>{32820, 32821, 1018, 1019, 1017}));

    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.picker_runs, 2);
    // A plain o is no shortcut, nor a letter with Ctrl.
    QTest::keyClick(focus, Qt::Key_O);
    QTest::keyClick(focus, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(fixture.picker_runs, 2);
    QCOMPARE(commands.size(), size_t{5});

    QTest::keyClick(focus, Qt::Key_F4, Qt::AltModifier);
    QCOMPARE(fixture.playback.shutdowns, 1);
    QVERIFY(!window.isVisible());
  }

  void PageKeysMoveOnlyWithinTheList() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    FillCatalogue(window);
    CRbListCtrl& list = window.List();
    std::vector<int>& commands = fixture.playback.commands;

    fixture.playback.state = PlaybackState::kRunning;
    list.SelectRow(0);
    QTest::keyClick(&list, Qt::Key_PageUp);  // first row: nothing before it
    QTest::keyClick(&list, Qt::Key_PageDown);
    QCOMPARE(commands, (std::vector<int>{1016}));

    commands.clear();
    list.SelectRow(3);
    QTest::keyClick(&list, Qt::Key_PageDown);  // last row: nothing after it
    fixture.playback.state = PlaybackState::kPaused;
    QTest::keyClick(&list, Qt::Key_PageUp);
    QCOMPARE(commands, (std::vector<int>{1011}));

    // Stopped: neither moves, and the list does not page either.
    commands.clear();
    fixture.playback.state = PlaybackState::kStopped;
    list.SelectRow(1);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QTest::keyClick(&list, Qt::Key_PageUp);
    QVERIFY(commands.empty());
    QCOMPARE(list.CurrentRow(), 1);
  }

  void CommandsWaitWhileARecordingLoads() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    window.show();
    FillCatalogue(window);
    fixture.playback.loading = true;
    fixture.playback.state = PlaybackState::kRunning;

    for (int id : {button_id::kPlay, button_id::kPause, button_id::kNext, button_id::kMute,
                   button_id::kFront, 32811, 32820}) {
      window.OnCommand(id);
    }
    window.Button(button_id::kOpen)->click();
    QTest::keyClick(&window.List(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(&window.List(), Qt::Key_Escape);
    QTest::keyClick(&window.List(), Qt::Key_Space);
    window.OnCommand(button_id::kMax);
    window.OnCommand(button_id::kFilterEvent);
    window.OpenPaths({QStringLiteral("/nowhere")});
    emit window.List().rowDoubleClicked(1);

    QVERIFY(fixture.playback.commands.empty());
    QVERIFY(fixture.playback.delayed_opens.empty());
    QCOMPARE(fixture.picker_runs, 0);
    QCOMPARE(window.layout_mode(), kFullLayout);
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.List().RowCount(), 4);

    // Once loaded the same commands go through.
    fixture.playback.loading = false;
    window.OnCommand(button_id::kPlay);
    emit window.List().rowDoubleClicked(1);
    QCOMPARE(fixture.playback.commands, (std::vector<int>{1013}));
    QCOMPARE(fixture.playback.delayed_opens, (std::vector<int>{1}));

    // Close is never held back.
    fixture.playback.loading = true;
    window.Button(button_id::kClose)->click();
    QCOMPARE(fixture.playback.shutdowns, 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
  }

  void FilterCommandsRefillTheListWhenEnabled() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    FillCatalogue(window);
    CRbListCtrl& list = window.List();
    // Only All, Infinite and Event are present.
    QCOMPARE(window.FilterFlags(), (FilterEnableFlags{true, true, true, false}));

    window.OnCommand(button_id::kFilterEvent);
    QCOMPARE(list.RowCount(), 2);
    QVERIFY(QString::fromStdString(list.ColumnText(0, kNameColumn)).startsWith("EVT"));
    QVERIFY(window.Button(button_id::kFilterEvent)->selected());
    QVERIFY(!window.Button(button_id::kFilterAll)->selected());

    // Parking is not enabled: the list and the buttons stay.
    window.OnCommand(button_id::kFilterParking);
    QCOMPARE(list.RowCount(), 2);
    QVERIFY(window.Button(button_id::kFilterEvent)->selected());
    QVERIFY(!window.Button(button_id::kFilterParking)->selected());

    // Nothing was opened yet, so there is no recording to look for in the new rows.
    window.OnCommand(32823);  // the menu's All
    QCOMPARE(list.RowCount(), 4);
    QVERIFY(window.Button(button_id::kFilterAll)->selected());
    QCOMPARE(list.CurrentRow(), -1);

    window.OnCommand(32824);  // Normal
    QCOMPARE(list.RowCount(), 2);
    QVERIFY(window.Button(button_id::kFilterNormal)->selected());
    QVERIFY(fixture.playback.commands.empty());

    // Nothing enabled (a card taken out): no filter runs.
    window.FilterFlags() = {};
    window.OnCommand(button_id::kFilterAll);
    QCOMPARE(list.RowCount(), 2);
  }

  void ContextMenuOfEachLanguageReachesTheCommands() {
    for (int language : {kEnglish, kKorean, kGerman, kJapanese}) {
      WindowFixture fixture(language);
      CRecboxViewerDlg& window = *fixture.window;
      std::unique_ptr<QMenu> menu = window.ContextMenuAt({300, 300});
      QVERIFY(menu);
      const MenuPopup& popup = ViewerMenu()[PlaybackPopupIndex(language)];
      QCOMPARE(menu->title(), QString::fromUtf8(popup.title.data(), popup.title.size()));
      for (int command = 32811; command <= 32822; ++command) {
        QAction* action = ActionOf(*menu, command);
        QVERIFY(action);
        action->trigger();
      }
      std::vector<int> expected;
      for (int command = 32811; command <= 32822; ++command) expected.push_back(command);
      QCOMPARE(fixture.playback.commands, expected);
      ActionOf(*menu, 32810)->trigger();
      QCOMPARE(fixture.picker_runs, 1);

      // Nothing over the list and the map.
      QVERIFY(!window.ContextMenuAt({window.width() - 285, 300}));
      QVERIFY(!window.ContextMenuAt({window.width() - 20, 600}));
      // The compact layout has no right column.
      window.OnCommand(button_id::kLayoutToggle);
      QVERIFY(window.ContextMenuAt({window.width() - 20, 300}));
    }
    // A language without a library has no menu.
    WindowFixture other(5);
    QVERIFY(!other.window->ContextMenuAt({300, 300}));
  }

  void ListFilterPopupsRunTheFilters() {
    WindowFixture fixture;
    FillCatalogue(*fixture.window);
    // The English list-filter pop-up is never shown; its entries still run the filters.
    const MenuPopup& filters = ViewerMenu()[3];
    QCOMPARE(filters.items.size(), size_t{4});
    QCOMPARE(filters.items[2].command, 32825);
    fixture.window->OnCommand(filters.items[2].command);
    QCOMPARE(fixture.window->List().RowCount(), 2);
    QVERIFY(fixture.window->Button(button_id::kFilterEvent)->selected());
  }

  void PlaybackControlsReachPlayback() {
    WindowFixture fixture;
    CRecboxViewerDlg& window = *fixture.window;
    for (int id :
         {button_id::kPrev, button_id::kRewind, button_id::kPlay, button_id::kPause,
          button_id::kFastForward, button_id::kNext, button_id::kSpeed, button_id::kBright,
          button_id::kMute, button_id::kFront, button_id::kRear, button_id::kAllChannels}) {
      window.Button(id)->click();
    }
    QCOMPARE(fixture.playback.commands, (std::vector<int>{1011, 1012, 1013, 1015, 1014, 1016, 1017,
                                                          1018, 1019, 1025, 1027, 1028}));
    // Commands the window does not know go nowhere.
    window.OnCommand(4242);
    QCOMPARE(fixture.playback.commands.size(), size_t{12});

    emit window.SmallSlider(kSpeedSliderId)->sliderMoved(70);
    emit window.SmallSlider(kVolumeSliderId)->sliderMoved(3);
    emit window.SeekSlider()->seekRequested(1500);
    fixture.playback.loading = true;
    emit window.SmallSlider(kBrightnessSliderId)->sliderMoved(10);
    emit window.SeekSlider()->seekRequested(900);
    QCOMPARE(fixture.playback.slider_moves,
             (std::vector<std::pair<int, int>>{{1033, 70}, {1146, 3}, {1026, 1500}}));
  }

  void WindowCloseLeavesTheShutdownToTheEnd() {
    auto fixture = std::make_unique<WindowFixture>();
    fixture->window->show();
    fixture->window->close();
    QCOMPARE(fixture->playback.shutdowns, 0);
    RecordingPlayback& playback = fixture->playback;
    fixture->window.reset();
    QCOMPARE(playback.shutdowns, 1);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainWindowCommandsTest)
#include "main_window_commands_test.moc"
