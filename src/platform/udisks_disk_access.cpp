#include "platform/udisks_disk_access.h"

#include <fcntl.h>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>

namespace vantrel::platform {
namespace {

const QString kService = QStringLiteral("org.freedesktop.UDisks2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString kManagerInterface = QStringLiteral("org.freedesktop.UDisks2.Manager");
const QString kBlockInterface = QStringLiteral("org.freedesktop.UDisks2.Block");
// Every refusal udisks2 reports begins so: NotAuthorized, NotAuthorizedCanObtain,
// NotAuthorizedDismissed.
const QString kNotAuthorizedPrefix = QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorized");

// Long enough for a user to read polkit's question and type a password.
constexpr int kCallTimeoutMs = 5 * 60 * 1000;

QDBusConnection Bus(const std::string& address) {
  if (address.empty()) return QDBusConnection::systemBus();
  const QString text = QString::fromStdString(address);
  return QDBusConnection::connectToBus(text, QStringLiteral("vantrel-disks ") + text);
}

DiskAccessResult Failure(const QDBusMessage& reply) {
  DiskAccessResult result;
  result.outcome = reply.errorName().startsWith(kNotAuthorizedPrefix)
                       ? DiskAccessOutcome::kNotAuthorized
                       : DiskAccessOutcome::kFailed;
  result.detail = (reply.errorName() + QStringLiteral(": ") + reply.errorMessage()).toStdString();
  return result;
}

DiskAccessResult Failure(const std::string& detail) {
  DiskAccessResult result;
  result.detail = detail;
  return result;
}

}  // namespace

UdisksDiskAccess::UdisksDiskAccess(std::string bus_address)
    : bus_address_(std::move(bus_address)) {}

DiskAccessResult UdisksDiskAccess::OpenDisk(const std::string& device_path, bool writable) {
  QDBusConnection bus = Bus(bus_address_);
  if (!bus.isConnected()) return Failure("no connection to the bus of the disk service");

  QDBusMessage resolve = QDBusMessage::createMethodCall(kService, kManagerPath, kManagerInterface,
                                                        QStringLiteral("ResolveDevice"));
  resolve << QVariantMap{{QStringLiteral("path"), QString::fromStdString(device_path)}}
          << QVariantMap{};
  const QDBusMessage resolved = bus.call(resolve, QDBus::Block, kCallTimeoutMs);
  if (resolved.type() != QDBusMessage::ReplyMessage) return Failure(resolved);
  const QList<QDBusObjectPath> objects =
      resolved.arguments().isEmpty()
          ? QList<QDBusObjectPath>()
          : qdbus_cast<QList<QDBusObjectPath>>(resolved.arguments().constFirst());
  if (objects.isEmpty()) return Failure("the disk service does not know " + device_path);

  QDBusMessage open = QDBusMessage::createMethodCall(kService, objects.constFirst().path(),
                                                     kBlockInterface, QStringLiteral("OpenDevice"));
  open << (writable ? QStringLiteral("rw") : QStringLiteral("r")) << QVariantMap{};
  // polkit may ask the user, as the desktop's disk tools let it.
  open.setInteractiveAuthorizationAllowed(true);
  const QDBusMessage opened = bus.call(open, QDBus::Block, kCallTimeoutMs);
  if (opened.type() != QDBusMessage::ReplyMessage) return Failure(opened);
  if (opened.arguments().isEmpty()) return Failure("the disk service sent no descriptor");
  const auto descriptor = qdbus_cast<QDBusUnixFileDescriptor>(opened.arguments().constFirst());
  if (!descriptor.isValid()) return Failure("the disk service sent no descriptor");
  // The message's descriptor is closed with it; the caller gets one of its own.
  DiskAccessResult result;
  result.fd = ::fcntl(descriptor.fileDescriptor(), F_DUPFD_CLOEXEC, 0);
  if (result.fd < 0) return Failure("the descriptor of " + device_path + " could not be kept");
  result.outcome = DiskAccessOutcome::kOpened;
  return result;
}

}  // namespace vantrel::platform
