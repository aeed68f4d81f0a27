// The texts of the read-out panels: time and rate formats, G-sensor values, positions, labels of
// the language library, and what is left when a text or the library is missing.
#include <QtTest>
#include <map>

#include "ui/skin/panel_text.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_colours.h"

namespace vantrel::ui {
namespace {

LanguageText FakeLanguage() {
  return [](uint32_t id) -> std::optional<std::string> {
    static const std::map<uint32_t, std::string> texts = {
        {110, "Time"}, {111, "Speed"}, {126, "Map"},   {128, "Lat"},    {129, "Lon"},
        {130, "List"}, {131, "All"},   {132, "Event"}, {133, "Normal"}, {134, "Parking"}};
    const auto found = texts.find(id);
    if (found == texts.end()) return std::nullopt;
    return found->second;
  };
}

LanguageText NoLibrary() {
  return [](uint32_t) -> std::optional<std::string> { return std::nullopt; };
}

std::vector<std::string> Texts(const std::vector<PanelLine>& lines) {
  std::vector<std::string> texts;
  for (const PanelLine& line : lines) texts.push_back(line.text);
  return texts;
}

class PanelTextTest : public QObject {
  Q_OBJECT

 private slots:
  void TimesShowMinutesAndSeconds() {
    QCOMPARE(FormatMinutesSeconds(61'500), std::string("01:01"));
    QCOMPARE(FormatMinutesSeconds(3'600'000), std::string("60:00"));
    QCOMPARE(FormatMinutesSeconds(0), std::string("00:00"));
    QCOMPARE(FormatMinutesSeconds(59'999), std::string("00:59"));
    // Minutes above 99 keep all their digits.
    QCOMPARE(FormatMinutesSeconds(100 * 60'000 + 5'000), std::string("100:05"));
    QCOMPARE(FormatMinutesSeconds(-1'000), std::string("00:00"));
    QCOMPARE(FormatTimeLine(61'500, 3'600'000), std::string("    01:01  /  60:00"));
  }

  void RatesAndGsensorValues() {
    QCOMPARE(FormatRateLine(0.1f), std::string("   0.10 x"));
    QCOMPARE(FormatRateLine(4.0f), std::string("   4.00 x"));
    QCOMPARE(FormatGsensorValue('X', true, -0.5f), std::string("X:  -0.500000"));
    QCOMPARE(FormatGsensorValue('Z', false, 1.25f), std::string("Z:  -"));
  }

  void PanelsBuildTheirLines() {
    PanelValues values;
    values.position_ms = 61'500;
    values.duration_ms = 3'600'000;
    values.rate = 0.1f;
    const auto time = PanelLines(kTimePanel, values, FakeLanguage());
    QCOMPARE(Texts(time), (std::vector<std::string>{"Time    01:01  /  60:00", "Speed   0.10 x"}));
    QCOMPARE(time[1].x, 230);

    values.gsensor_valid = false;
    values.x = 1.5f;
    const auto gsensor = PanelLines(kGsensorPanel, values, NoLibrary());
    QCOMPARE(Texts(gsensor), (std::vector<std::string>{"X:  -", "Y:  -", "Z:  -"}));
    QCOMPARE(gsensor[0].colour, 0xFF0000u);
    QCOMPARE(gsensor[1].colour, 0xFFFF00u);
    QCOMPARE(gsensor[2].colour, 0x00FF00u);
    values.gsensor_valid = true;
    QCOMPARE(PanelLines(kGsensorPanel, values, NoLibrary())[0].text, std::string("X:  1.500000"));

    values.latitude = 37.5f;
    values.longitude = 127.25f;
    QCOMPARE(Texts(PanelLines(kPositionPanel, values, FakeLanguage())),
             (std::vector<std::string>{"Lat: 37.500000  Lon: 127.250000"}));
    QCOMPARE(Texts(PanelLines(kPopupPositionPanel, values, FakeLanguage())),
             (std::vector<std::string>{"Lat:  37.500000    Lon:  127.250000"}));
    QCOMPARE(PanelLines(kPopupPositionPanel, values, FakeLanguage())[0].colour, 0xC8C8C8u);

    QCOMPARE(Texts(PanelLines(11, values, FakeLanguage())), (std::vector<std::string>{"Event"}));
    QCOMPARE(Texts(PanelLines(13, values, FakeLanguage())), (std::vector<std::string>{"Parking"}));
    QCOMPARE(PanelLines(kLoadingPanel, values, NoLibrary()).size(), size_t{3});
    QCOMPARE(PanelLines(kLoadingPanel, values, NoLibrary())[2].y, 33);

    // Summary rows: counts then sizes, in the order All, Normal, Event, Parking.
    values.summary = {"10", "4", "3", "3", "1 GB", "400 MB", "300 MB", "300 MB"};
    QCOMPARE(Texts(PanelLines(kSummaryEventPanel, values, NoLibrary())),
             (std::vector<std::string>{"이벤트", "3", "300 MB"}));
    QCOMPARE(Texts(PanelLines(kSummaryNormalPanel, values, NoLibrary())),
             (std::vector<std::string>{"상시", "4", "400 MB"}));
  }

  void MissingTextsAndUnknownTypesDrawNothing() {
    const PanelValues values;
    for (int type : {1, 3, 4, 5, 6, 7, 10, 11, 12, 13}) {
      QVERIFY2(PanelLines(type, values, NoLibrary()).empty(), qPrintable(QString::number(type)));
      QVERIFY(PanelFontOf(type).has_value());
    }
    for (int type : {0, -1, 20, 1000}) {
      QVERIFY(PanelLines(type, values, FakeLanguage()).empty());
      QVERIFY(!PanelFontOf(type).has_value());
    }
    // One of the two position texts missing leaves the whole line out.
    const LanguageText latitude_only = [](uint32_t id) -> std::optional<std::string> {
      if (id == 128) return "Lat";
      return std::nullopt;
    };
    QVERIFY(PanelLines(kPositionPanel, values, latitude_only).empty());
    QCOMPARE(PanelFontOf(kLoadingPanel)->pixel_height, 12);
    QCOMPARE(PanelFontOf(kSummaryHeadingPanel)->pixel_height, 15);
    QCOMPARE(PanelFontOf(kProductPanel)->points, 13);
  }

  void PanelReadsTheLanguageLibraryAtEachPaint() {
    QWidget window;
    CRbTextCtrl panel(1007, kTimePanel, 0, &window);
    panel.SetTime(3'600'000, 61'500);
    panel.SetRate(1.0f);
    QCOMPARE(panel.PanelTexts(), (QStringList{"Time    01:01  /  60:00", "Speed   1.00 x"}));
    panel.SetLanguageIndex(1);
    QVERIFY(panel.PanelTexts().size() == 2);
    QVERIFY(panel.PanelTexts()[0] != "Time    01:01  /  60:00");
    QVERIFY(panel.PanelTexts()[0].endsWith("    01:01  /  60:00"));
    panel.SetLanguageIndex(9);  // no such library
    QVERIFY(panel.PanelTexts().isEmpty());

    // A panel without texts shows only its background.
    panel.resize(60, 20);
    panel.SetBackground(QColor(1, 2, 3));
    QImage background(60, 20, QImage::Format_RGB32);
    background.fill(QColor(1, 2, 3));
    QCOMPARE(panel.grab().toImage().convertToFormat(QImage::Format_RGB32), background);
    CRbTextCtrl unknown(1099, 25, 0, &window);
    unknown.resize(60, 20);
    background.fill(kSkinBackground);
    QCOMPARE(unknown.grab().toImage().convertToFormat(QImage::Format_RGB32), background);

    // The G-sensor panel paints its own background and draws its dashes.
    CRbTextCtrl gsensor(1008, kGsensorPanel, 0, &window);
    gsensor.resize(400, 20);
    gsensor.SetGsensor(false, 1, 2, 3);
    QCOMPARE(gsensor.PanelTexts(), (QStringList{"X:  -", "Y:  -", "Z:  -"}));
    const QImage drawn = gsensor.grab().toImage();
    QCOMPARE(drawn.pixelColor(399, 19), QColor(26, 31, 37));
  }
};

}  // namespace
}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::PanelTextTest)
#include "panel_text_test.moc"
