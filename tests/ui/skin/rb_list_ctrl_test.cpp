// The recording list: columns and headings, rows through the catalogue's interfaces, row
// colours, the signals of clicks and drops, swallowed keys, and its skinned scroll bar.
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "ui/skin/list_row_style.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/scroll_thumb.h"
#include "ui/skin/skin_header_ctrl.h"
#include "ui/skin/skin_vertical_scroll_bar.h"

namespace vantrel::ui {
namespace {

RowTexts Row(int number) {
  const std::string n = std::to_string(number);
  return {n,
          "2014-01-01",
          "12:00:0" + n,
          "Normal",
          "/card/REC_" + n + ".avi",
          "REC_20140101_12000" + n + ".avi"};
}

void Fill(CRbListCtrl& list, int rows) {
  list.SuspendRedraw();
  list.DeleteAllRows();
  for (int row = 0; row < rows; ++row) list.InsertRow(row, Row(row));
  list.ResumeRedraw();
}

QColor ColourOf(uint32_t rgb) { return QColor::fromRgb(rgb); }

class RbListCtrlTest : public QObject {
  Q_OBJECT

 private slots:
  void ColumnsAndHeadingsFollowTheLanguage() {
    QWidget window;
    CRbListCtrl list(&window);
    list.SetUp(0);
    QCOMPARE(list.columnCount(), 6);
    QCOMPARE(list.columnWidth(0), 35);
    QCOMPARE(list.columnWidth(3), 150);
    QVERIFY(list.isColumnHidden(4));
    QVERIFY(list.isColumnHidden(5));
    QCOMPARE(list.horizontalHeaderItem(0)->text(), QString("No."));
    QCOMPARE(list.horizontalHeaderItem(3)->text(), QString("Type"));
    list.SetLanguageIndex(1);
    QVERIFY(list.horizontalHeaderItem(3)->text() != "Type");
    const QString korean = list.horizontalHeaderItem(3)->text();
    // Without a library the headings keep what they show.
    list.SetLanguageIndex(7);
    QCOMPARE(list.horizontalHeaderItem(3)->text(), korean);
    QCOMPARE(list.language_index(), 7);

    // Headings: white on dark cells, the date and time centred, the number and kind at the left.
    QVERIFY(qobject_cast<CSkinHeaderCtrl*>(list.horizontalHeader()) != nullptr);
    QCOMPARE(CSkinHeaderCtrl::HeadingAlignment(0), Qt::AlignLeft);
    QCOMPARE(CSkinHeaderCtrl::HeadingAlignment(1), Qt::AlignHCenter);
    QCOMPARE(CSkinHeaderCtrl::HeadingAlignment(3), Qt::AlignLeft);
    list.resize(300, 200);
    window.show();
    const QImage header = list.horizontalHeader()->grab().toImage();
    QCOMPARE(header.pixelColor(1, header.height() - 1), QColor(30, 30, 30));
    bool has_white = false;
    for (int x = 0; x < 35 && !has_white; ++x) {
      for (int y = 0; y < header.height() && !has_white; ++y) {
        has_white = header.pixelColor(x, y).lightness() > 200;
      }
    }
    QVERIFY(has_white);
  }

  void RowsThroughTheCatalogueInterface() {
    QWidget window;
    CRbListCtrl list(&window);
    list.SetUp(0);
    RecordingList& rows = list;
    Fill(list, 3);
    QCOMPARE(rows.RowCount(), 3);
    QCOMPARE(rows.ColumnText(1, 5), std::string("REC_20140101_120001.avi"));
    QCOMPARE(rows.ColumnText(2, 0), std::string("2"));
    QCOMPARE(rows.ColumnText(3, 0), std::string());
    QCOMPARE(rows.ColumnText(-1, 0), std::string());
    QCOMPARE(rows.ColumnText(0, 6), std::string());
    QCOMPARE(RowOfName(rows, "rec_20140101_120002.AVI"), 2);
    // Out-of-range insert positions land at the ends instead of failing.
    rows.InsertRow(99, Row(9));
    rows.InsertRow(-4, Row(8));
    QCOMPARE(rows.ColumnText(0, 0), std::string("8"));
    QCOMPARE(rows.ColumnText(4, 0), std::string("9"));
    rows.DeleteAllRows();
    QCOMPARE(rows.RowCount(), 0);
  }

  void SelectionAndMarkColourTheRows() {
    QCOMPARE(RowStyleOf(2, false, -1).background, 0x464646u);
    QCOMPARE(RowStyleOf(3, false, -1).background, 0x323232u);
    QCOMPARE(RowStyleOf(3, true, -1).background, 0x808000u);
    QCOMPARE(RowStyleOf(3, true, -1).text, 0x141414u);
    QCOMPARE(RowStyleOf(3, true, 3).background, 0x008080u);  // playing wins over selected
    QCOMPARE(RowStyleOf(3, true, 3).text, 0xC8C8C8u);
    QCOMPARE(RowStyleOf(0, false, -1).text, 0xB4B4B4u);

    QWidget window;
    window.resize(400, 300);
    CRbListCtrl list(&window);
    list.setGeometry(0, 0, 300, 300);
    list.SetUp(0);
    Fill(list, 4);
    window.show();
    ListSelection& selection = list;
    QCOMPARE(list.CurrentRow(), -1);
    selection.SelectRow(1);
    QCOMPARE(list.CurrentRow(), 1);
    selection.SelectRow(7);  // no such row: the selection stays
    QCOMPARE(list.CurrentRow(), 1);
    MoveMark(selection, 2);
    QCOMPARE(selection.MarkedRow(), 2);

    const QImage drawn = list.viewport()->grab().toImage();
    auto row_colour = [&](int row) {
      return drawn.pixelColor(list.columnWidth(0) + 5, list.rowViewportPosition(row) + 1);
    };
    QCOMPARE(row_colour(0), ColourOf(0x464646));
    QCOMPARE(row_colour(1), ColourOf(0x808000));
    QCOMPARE(row_colour(2), ColourOf(0x008080));
    QCOMPARE(row_colour(3), ColourOf(0x323232));
  }

  void ClicksDropsAndKeys() {
    QWidget window;
    window.resize(400, 300);
    CRbListCtrl list(&window);
    list.setGeometry(0, 0, 300, 300);
    list.SetUp(0);
    Fill(list, 4);
    window.show();
    QSignalSpy clicked(&list, &CRbListCtrl::rowClicked);
    QSignalSpy double_clicked(&list, &CRbListCtrl::rowDoubleClicked);
    QSignalSpy dropped(&list, &CRbListCtrl::filesDropped);

    const QPoint row2(list.columnWidth(0) + 5, list.rowViewportPosition(2) + 2);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row2);
    QCOMPARE(clicked.takeLast().at(0).toInt(), 2);
    QCOMPARE(list.CurrentRow(), 2);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row2);
    QCOMPARE(double_clicked.takeLast().at(0).toInt(), 2);
    // Below the last row nothing is opened.
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(10, 290));
    QCOMPARE(double_clicked.count(), 0);

    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Left);
    QTest::keyClick(&list, Qt::Key_Right);
    QCOMPARE(list.CurrentRow(), 2);
    QCOMPARE(list.horizontalScrollBar()->value(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.CurrentRow(), 3);

    QMimeData data;
    data.setUrls({QUrl("https://example.com/a.avi"), QUrl::fromLocalFile("/media/card"),
                  QUrl::fromLocalFile("/tmp/b.avi")});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &drop);
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(dropped.at(0).at(0).toStringList(), (QStringList{"/media/card", "/tmp/b.avi"}));
    QMimeData remote_only;
    remote_only.setUrls({QUrl("https://example.com/a.avi")});
    QDragEnterEvent remote_enter(QPoint(20, 20), Qt::CopyAction, &remote_only, Qt::LeftButton,
                                 Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &remote_enter);
    QVERIFY(!remote_enter.isAccepted());
    QDropEvent remote(QPointF(20, 20), Qt::CopyAction, &remote_only, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &remote);
    QCOMPARE(dropped.count(), 1);
  }

  void ScrollThumbArithmetic() {
    // Nothing to scroll: the thumb stays at the top, a drag asks for nothing.
    QCOMPARE(ScrollScale(200, 0), 0.0);
    QCOMPARE(ScrollThumbTop(200, 0, 5), 19);
    QCOMPARE(ScrollTargetOfThumb(100, 0.0), -1);
    // track = 200 - 38 - 6 = 156 over 12 rows: 13 pixels a row.
    QCOMPARE(ScrollScale(200, 12), 13.0);
    QCOMPARE(ScrollThumbTop(200, 12, 0), 19);
    QCOMPARE(ScrollThumbTop(200, 12, 5), 84);
    QCOMPARE(ScrollThumbTop(200, 12, 12), 175);
    QCOMPARE(ScrollThumbTop(200, 12, 40), 175);  // never into the bottom arrow
    QCOMPARE(ScrollTargetOfThumb(84, 13.0), 5);
    QCOMPARE(ScrollTargetOfThumb(3, 13.0), 0);
    // A bar too short for a track scrolls nothing.
    QCOMPARE(ScrollScale(40, 12), 0.0);

    QCOMPARE(ScrollBarPartAt(5, 200, 84), ScrollBarPart::kUpArrow);
    QCOMPARE(ScrollBarPartAt(190, 200, 84), ScrollBarPart::kDownArrow);
    QCOMPARE(ScrollBarPartAt(86, 200, 84), ScrollBarPart::kThumb);
    QCOMPARE(ScrollBarPartAt(50, 200, 84), ScrollBarPart::kPageUp);
    QCOMPARE(ScrollBarPartAt(120, 200, 84), ScrollBarPart::kPageDown);
  }

  void ScrollBarScrollsTheList() {
    QWidget window;
    window.resize(400, 300);
    CRbListCtrl list(&window);
    list.setGeometry(10, 20, 267, 200);
    list.SetUp(0);
    Fill(list, 60);
    window.show();
    CSkinVerticleScrollbar* bar = list.ScrollBar();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->geometry(), QRect(277, 20, 18, 200));
    QVERIFY(bar->isVisible());
    bar->SetTimings({5, 5});
    QScrollBar* rows = list.verticalScrollBar();
    QVERIFY(rows->maximum() > 0);

    // A held bottom arrow repeats, and the release scrolls one more row.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, 195));
    QTRY_VERIFY(rows->value() >= 2);
    const int before_release = rows->value();
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 195));
    QCOMPARE(rows->value(), before_release + 1);
    const int after = rows->value();
    QTest::qWait(30);
    QCOMPARE(rows->value(), after);  // the repeat stopped
    QCOMPARE(bar->thumb_top(), ScrollThumbTop(200, rows->maximum(), after));

    // A click on the track below the thumb scrolls a page; dragging the thumb to the top
    // scrolls back to the start.
    const int thumb = bar->thumb_top();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(9, 178));
    QCOMPARE(rows->value(), std::min(after + rows->pageStep(), rows->maximum()));
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(9, bar->thumb_top() + 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(9, 0), QPointF(9, 0), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(9, 0));
    QCOMPARE(rows->value(), 0);
    QCOMPARE(bar->thumb_top(), 19);
    QVERIFY(thumb > 19);

    // The wheel scrolls one row a notch.
    QWheelEvent wheel(QPointF(20, 20), list.mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(rows->value(), 1);

    list.hide();
    QVERIFY(!bar->isVisible());
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::RbListCtrlTest)
#include "rb_list_ctrl_test.moc"
