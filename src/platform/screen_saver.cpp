#include "platform/screen_saver.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>

namespace vantrel::platform {
namespace {

constexpr char kService[] = "org.freedesktop.ScreenSaver";
constexpr char kPath[] = "/org/freedesktop/ScreenSaver";
// A desktop that does not answer quickly is not waited for: playback must not stall on it.
constexpr int kCallTimeoutMs = 500;

bool ServiceRunning() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || bus.interface() == nullptr) return false;
  const QDBusReply<bool> registered =
      bus.interface()->isServiceRegistered(QString::fromLatin1(kService));
  return registered.isValid() && registered.value();
}

}  // namespace

ScreenSaverInhibitor::~ScreenSaverInhibitor() { Hold(false); }

void ScreenSaverInhibitor::Hold(bool hold) {
  if (hold == holding_) return;
  holding_ = hold;
  if (!ServiceRunning()) {
    cookie_.reset();
    return;
  }
  QDBusInterface service(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                         QString::fromLatin1(kService), QDBusConnection::sessionBus());
  if (!service.isValid()) return;
  service.setTimeout(kCallTimeoutMs);
  if (hold) {
    const QDBusReply<uint32_t> reply = service.call(
        QStringLiteral("Inhibit"), QStringLiteral("vantrel-viewer"), QStringLiteral("Playing"));
    if (reply.isValid()) cookie_ = reply.value();
  } else if (cookie_) {
    service.call(QStringLiteral("UnInhibit"), *cookie_);
    cookie_.reset();
  }
}

}  // namespace vantrel::platform
