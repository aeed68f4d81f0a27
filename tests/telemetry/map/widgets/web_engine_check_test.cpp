// Whether the viewer tries the web engine: never without its helper program, and never as root
// with the sandbox on (the engine would end the whole process).
#include <unistd.h>

#include <QTest>

#include "telemetry/map/widgets/web_engine_check.h"

namespace vantrel::ui {

class WebEngineCheckTest : public QObject {
  Q_OBJECT

 private slots:
  void aMissingHelperIsReported() {
    qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
    QVERIFY(WebEngineUnavailableReason().contains(QStringLiteral("helper")));
    qunsetenv("QTWEBENGINEPROCESS_PATH");
  }

  void rootNeedsTheSandboxTurnedOff() {
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    const bool root = geteuid() == 0;
    QCOMPARE(WebEngineUnavailableReason().contains(QStringLiteral("root")), root);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    QVERIFY(WebEngineUnavailableReason().isEmpty());
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    PrepareHeadlessWebEngine();
    QVERIFY(WebEngineUnavailableReason().isEmpty());
    QVERIFY(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--disable-gpu"));
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::WebEngineCheckTest)
#include "web_engine_check_test.moc"
