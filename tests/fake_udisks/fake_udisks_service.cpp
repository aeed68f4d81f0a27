// fake-udisks ADDRESS DEVICE IMAGE [--refuse]: owns org.freedesktop.UDisks2 on the bus at ADDRESS
// and answers the two calls the viewer makes of udisks2. Manager.ResolveDevice knows the one disk
// DEVICE; its Block.OpenDevice passes back a descriptor of IMAGE opened as asked ("rw" or "r"),
// or, with --refuse, refuses as polkit does when the user says no. Prints "ready" once the name
// is owned, and ends when its standard input closes (the test has gone).
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QDBusVirtualObject>
#include <QSocketNotifier>
#include <QVariantMap>
#include <cstdio>

namespace {

const QString kRoot = QStringLiteral("/org/freedesktop/UDisks2");
const QString kManager = QStringLiteral("/org/freedesktop/UDisks2/Manager");
const QString kBlock = QStringLiteral("/org/freedesktop/UDisks2/block_devices/card");

class FakeUdisks : public QDBusVirtualObject {
 public:
  FakeUdisks(QString device, QString image, bool refuse)
      : device_(std::move(device)), image_(std::move(image)), refuse_(refuse) {}

  QString introspect(const QString&) const override { return {}; }

  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QList<QVariant> arguments = message.arguments();
    if (message.path() == kManager && message.member() == QLatin1String("ResolveDevice") &&
        !arguments.isEmpty()) {
      const auto wanted = qdbus_cast<QVariantMap>(arguments.constFirst());
      QList<QDBusObjectPath> found;
      if (wanted.value(QStringLiteral("path")).toString() == device_)
        found << QDBusObjectPath(kBlock);
      return connection.send(message.createReply(QVariant::fromValue(found)));
    }
    if (message.path() == kBlock && message.member() == QLatin1String("OpenDevice") &&
        !arguments.isEmpty()) {
      if (refuse_) {
        return connection.send(message.createErrorReply(
            QStringLiteral("org.freedesktop.UDisks2.Error.NotAuthorizedDismissed"),
            QStringLiteral("The authentication dialog was dismissed")));
      }
      const bool writable = arguments.constFirst().toString() == QLatin1String("rw");
      const int fd = ::open(image_.toLocal8Bit().constData(), writable ? O_RDWR : O_RDONLY);
      if (fd < 0) {
        return connection.send(message.createErrorReply(
            QStringLiteral("org.freedesktop.UDisks2.Error.Failed"), QStringLiteral("cannot open")));
      }
      const QDBusUnixFileDescriptor descriptor(fd);  // keeps a copy of its own
      ::close(fd);
      return connection.send(message.createReply(QVariant::fromValue(descriptor)));
    }
    return connection.send(message.createErrorReply(
        QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), message.member()));
  }

 private:
  QString device_;
  QString image_;
  bool refuse_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  const QStringList words = application.arguments();
  if (words.size() < 4) {
    std::fputs("usage: fake-udisks ADDRESS DEVICE IMAGE [--refuse]\n", stderr);
    return 2;
  }
  QDBusConnection bus = QDBusConnection::connectToBus(words[1], QStringLiteral("fake-udisks"));
  FakeUdisks service(words[2], words[3], words.size() > 4 && words[4] == QLatin1String("--refuse"));
  if (!bus.registerVirtualObject(kRoot, &service, QDBusConnection::SubPath) ||
      !bus.registerService(QStringLiteral("org.freedesktop.UDisks2"))) {
    std::fputs("fake-udisks: cannot serve on the bus\n", stderr);
    return 1;
  }
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &application, [&] {
    char byte = 0;
    if (::read(STDIN_FILENO, &byte, 1) <= 0) application.quit();
  });
  std::puts("ready");
  std::fflush(stdout);
  return application.exec();
}
