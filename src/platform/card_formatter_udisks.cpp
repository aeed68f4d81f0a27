#include "platform/card_formatter_udisks.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QVariantMap>

namespace vantrel::platform {
namespace {

constexpr char kService[] = "org.freedesktop.UDisks2";
constexpr char kManagerPath[] = "/org/freedesktop/UDisks2/Manager";
constexpr char kManager[] = "org.freedesktop.UDisks2.Manager";
constexpr char kBlock[] = "org.freedesktop.UDisks2.Block";
constexpr char kFilesystem[] = "org.freedesktop.UDisks2.Filesystem";
// A format waits for the medium and perhaps for the user's password; a slow card may take
// minutes, and the caller runs off the user-interface thread.
constexpr int kFormatTimeoutMs = 10 * 60 * 1000;
constexpr int kCallTimeoutMs = 60 * 1000;

QString Text(const char* text) { return QString::fromLatin1(text); }

QDBusMessage Call(const QString& object, const char* interface, const char* method,
                  const QVariantList& arguments, int timeout_ms = kCallTimeoutMs) {
  QDBusMessage call =
      QDBusMessage::createMethodCall(Text(kService), object, Text(interface), Text(method));
  call.setArguments(arguments);
  // Formatting asks polkit, which may ask the user for a password, as the desktop's disk tools do.
  call.setInteractiveAuthorizationAllowed(true);
  return QDBusConnection::systemBus().call(call, QDBus::Block, timeout_ms);
}

// The udisks object of a device node; empty when udisks does not know it.
QString ObjectOf(const std::string& node) {
  const QDBusMessage reply =
      Call(Text(kManagerPath), kManager, "ResolveDevice",
           {QVariantMap{{Text("path"), QString::fromStdString(node)}}, QVariantMap{}});
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return {};
  const auto objects = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().constFirst());
  return objects.isEmpty() ? QString() : objects.constFirst().path();
}

// True also when there is nothing to unmount: a partition just created carries no file system.
bool Unmounted(const QString& object) {
  const QDBusMessage reply = Call(object, kFilesystem, "Unmount", {QVariantMap{}});
  if (reply.type() != QDBusMessage::ErrorMessage) return true;
  const QString error = reply.errorName();
  return error == Text("org.freedesktop.UDisks2.Error.NotMounted") ||
         error == Text("org.freedesktop.DBus.Error.UnknownMethod") ||
         error == Text("org.freedesktop.DBus.Error.UnknownInterface");
}

}  // namespace

std::string FirstPartitionNode(const std::string& disk_node) {
  const bool ends_in_digit =
      !disk_node.empty() && disk_node.back() >= '0' && disk_node.back() <= '9';
  return disk_node + (ends_in_digit ? "p1" : "1");
}

bool UdisksCardFormatter::ReleaseVolume(const Volume& card) {
  const QString object = ObjectOf(card.partition_path);
  return !object.isEmpty() && Unmounted(object);
}

std::optional<std::string> UdisksCardFormatter::FormatFat(const Volume& card, Target target,
                                                          const std::string& label) {
  std::string node = card.partition_path;
  if (target == Target::kFirstPartition) {
    // The kernel learns of the new partition table before partition 1 is looked for.
    const QString disk = ObjectOf(card.device_path);
    if (!disk.isEmpty()) Call(disk, kBlock, "Rescan", {QVariantMap{}});
    node = FirstPartitionNode(card.device_path);
  }
  const QString object = ObjectOf(node);
  if (object.isEmpty() || !Unmounted(object)) return std::nullopt;
  const QVariantMap options{{Text("label"), QString::fromStdString(label)},
                            {Text("update-partition-type"), true}};
  const QDBusMessage formatted =
      Call(object, kBlock, "Format", {Text("vfat"), options}, kFormatTimeoutMs);
  if (formatted.type() == QDBusMessage::ErrorMessage) return std::nullopt;
  const QDBusReply<QString> mounted = Call(object, kFilesystem, "Mount", {QVariantMap{}});
  if (!mounted.isValid() || mounted.value().isEmpty()) return std::nullopt;
  std::string root = mounted.value().toStdString();
  if (root.back() != '/') root += '/';
  return root;
}

}  // namespace vantrel::platform
