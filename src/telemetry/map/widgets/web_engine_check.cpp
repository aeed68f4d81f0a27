#include "telemetry/map/widgets/web_engine_check.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace vantrel::ui {
namespace {

bool SandboxDisabled() {
  if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) return true;
  return qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains(QLatin1String("--no-sandbox"));
}

QString HelperProgram() {
  const QString named = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
  if (!named.isEmpty()) return named;
  return QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
         QStringLiteral("/QtWebEngineProcess");
}

}  // namespace

QString WebEngineUnavailableReason() {
  if (!QFileInfo(HelperProgram()).isExecutable()) {
    return QStringLiteral("the web engine's helper %1 is missing").arg(HelperProgram());
  }
  if (geteuid() == 0 && !SandboxDisabled()) {
    return QStringLiteral(
        "the web engine's sandbox cannot run as root "
        "(QTWEBENGINE_DISABLE_SANDBOX=1 allows it)");
  }
  return {};
}

void PrepareHeadlessWebEngine() {
  if (geteuid() == 0 && !SandboxDisabled()) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--disable-gpu")) {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --disable-gpu").trimmed());
  }
  PrepareWebEngineApplication();
}

void PrepareWebEngineApplication() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

}  // namespace vantrel::ui
