// The about box: size, pictures by language, the two panels and buttons, and the card
// information button's refusal or summary.
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "device/widgets/about_dlg.h"
#include "device/widgets/file_info_view.h"
#include "recorded_messages.h"
#include "shot.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"

namespace vantrel::ui {
namespace {

using test::RecordedMessages;

device::DeviceInfoResult Refused() { return {device::kLyfsOnlyMessage, std::nullopt}; }

}  // namespace

class AboutDlgTest : public QObject {
  Q_OBJECT

 private slots:
  void laysOutTheBoxCentredOverTheOwner() {
    QWidget owner;
    owner.setGeometry(100, 80, 1026, 770);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    RecordedMessages messages;
    CAboutDlg about(0, Refused, messages, "", &owner);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QCOMPARE(about.geometry(), QRect(100 + (1026 - 291) / 2, 80 + (770 - 160) / 2, 291, 160));
    QCOMPARE(about.Panel(1000)->geometry(), QRect(30, 50, 200, 20));
    QCOMPARE(about.Panel(1000)->panel_type(), 8);
    QCOMPARE(about.Panel(1000)->PanelTexts(), QStringList{QStringLiteral("Vantrel Viewer")});
    QCOMPARE(about.Panel(1001)->geometry(), QRect(30, 80, 200, 20));
    QCOMPARE(about.Panel(1001)->PanelTexts(),
             QStringList{QStringLiteral("Version " VANTREL_VERSION)});
    QCOMPARE(about.Panel(1000)->objectName(), QStringLiteral("RbTextWnd"));
    QCOMPARE(about.ok_button()->geometry(), QRect(190, 115, 86, 30));
    QCOMPARE(about.info_button()->geometry(), QRect(94, 115, 86, 30));
    QCOMPARE(about.info_button()->images().normal, 1158);
    QCOMPARE(about.info_button()->images().pressed, 1157);
    const QImage picture = about.grab().toImage();
    QCOMPARE(picture.pixelColor(5, 60), QColor(13, 17, 21));
    SaveShot(picture, QStringLiteral("about_english"));
  }

  void picksTheButtonAndBannerOfTheLanguage() {
    RecordedMessages messages;
    const struct {
      int language, ok_normal, ok_pressed, banner_height;
    } cases[] = {{0, 192, 193, 28}, {1, 1094, 1095, 34}, {2, 1120, 1121, 28}, {3, 1143, 1144, 28}};
    for (const auto& c : cases) {
      CAboutDlg about(c.language, Refused, messages, "", nullptr);
      QCOMPARE(about.ok_button()->images().normal, c.ok_normal);
      QCOMPARE(about.ok_button()->images().pressed, c.ok_pressed);
      QCOMPARE(about.banner()->pixmap().size(), QSize(291, c.banner_height));
      if (c.language == 1) SaveShot(about.grab().toImage(), QStringLiteral("about_korean"));
    }
    CAboutDlg unknown(7, Refused, messages, "", nullptr);
    QCOMPARE(unknown.ok_button()->images().normal, 0);
    QVERIFY(unknown.banner()->pixmap().isNull());
  }

  void theInformationButtonShowsARefusalOrTheSummary() {
    RecordedMessages messages;
    CAboutDlg refused(0, Refused, messages, "", nullptr);
    QTest::mouseClick(refused.info_button(), Qt::LeftButton);
    QCOMPARE(messages.shown, std::vector<std::string>{device::kLyfsOnlyMessage});

    device::CardFileSummary summary;
    summary.count = 1;
    summary.names = {"REC_20140101_120000_1.avi"};
    summary.sizes = {"  3MB"};
    CAboutDlg about(
        0,
        [&] {
          return device::DeviceInfoResult{"", summary};
        },
        messages, "", nullptr);
    int rows = -1;
    QTimer::singleShot(0, [&] {
      if (auto* view = qobject_cast<CFileInfoView*>(QApplication::activeModalWidget())) {
        rows = view->list()->rowCount();
        view->accept();
      }
    });
    about.OnDeviceInfo();
    QCOMPARE(rows, 1);
    QCOMPARE(messages.shown.size(), size_t{1});
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::AboutDlgTest)
#include "about_dlg_test.moc"
