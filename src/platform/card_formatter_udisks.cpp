#include "platform/card_formatter_udisks.h"

#include <QDBusConnection>
#include <QDBusInterface>
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

// The udisks object of a device node; empty when udisks does not know it.
QString ObjectOf(const std::string& node) {
  QDBusInterface manager(Text(kService), Text(kManagerPath), Text(kManager),
                         QDBusConnection::systemBus());
  if (!manager.isValid()) return {};
  manager.setTimeout(kCallTimeoutMs);
  const QDBusReply<QList<QDBusObjectPath>> objects =
      manager.call(Text("ResolveDevice"), QVariantMap{{Text("path"), QString::fromStdString(node)}},
                   QVariantMap{});
  if (!objects.isValid() || objects.value().isEmpty()) return {};
  return objects.value().first().path();
}

QDBusMessage Call(const QString& object, const char* interface, const char* method,
                  const QVariantList& arguments, int timeout_ms = kCallTimeoutMs) {
  QDBusInterface target(Text(kService), object, Text(interface), QDBusConnection::systemBus());
  target.setTimeout(timeout_ms);
  return target.callWithArgumentList(QDBus::Block, Text(method), arguments);
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
