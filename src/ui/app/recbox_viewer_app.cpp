#include "ui/app/recbox_viewer_app.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/program_paths.h"
#include "app/viewer_options.h"
#include "catalogue/card_access.h"
#include "platform/udisks_disk_access.h"
#include "platform/volume_provider_linux.h"
#include "platform/volume_provider_simulated.h"
#include "platform/volume_watcher.h"
#include "ui/main/main_window.h"

namespace vantrel::ui {
namespace {

// Exit code of a command line the viewer cannot follow.
constexpr int kUsageError = 2;

constexpr char kUsage[] =
    "usage: vantrel-viewer [--cards FILE] [PATH...]\n"
    "  PATH          a folder or recording to open, as if dropped on the window\n"
    "  --cards FILE  offer the simulated cards of this description instead of the\n"
    "                computer's removable volumes\n";

// Read before the toolkit starts, so that asking for help needs no display. None, with the
// process's exit code, when the viewer is not to start.
std::optional<ViewerArguments> ParseArguments(int argc, char** argv, int* exit_code) {
  QStringList words;
  for (int index = 0; index < argc; ++index) words << QString::fromLocal8Bit(argv[index]);
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption cards(QStringLiteral("cards"), QString(), QStringLiteral("FILE"));
  parser.addOption(help);
  parser.addOption(cards);
  if (!parser.parse(words)) {
    std::fprintf(stderr, "vantrel-viewer: %s\n%s", qPrintable(parser.errorText()), kUsage);
    *exit_code = kUsageError;
    return std::nullopt;
  }
  if (parser.isSet(help)) {
    std::fputs(kUsage, stdout);
    *exit_code = 0;
    return std::nullopt;
  }
  ViewerArguments arguments;
  if (parser.isSet(cards)) arguments.cards_file = parser.value(cards).toStdString();
  for (const QString& path : parser.positionalArguments()) {
    arguments.paths << QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  }
  return arguments;
}

// The volumes on offer, and what keeps them up to date while the viewer runs.
struct Volumes {
  std::unique_ptr<platform::VolumeProvider> provider;
  std::unique_ptr<platform::VolumeWatcher> watcher;
};

std::optional<Volumes> OpenVolumes(const ViewerArguments& arguments) {
  Volumes volumes;
  if (arguments.cards_file) {
    auto simulated = std::make_unique<platform::SimulatedVolumeProvider>();
    if (!simulated->Load(*arguments.cards_file)) {
      std::fprintf(stderr, "vantrel-viewer: cannot read the card description %s\n",
                   arguments.cards_file->c_str());
      return std::nullopt;
    }
    volumes.provider = std::move(simulated);
    return volumes;
  }
  auto linux_volumes = std::make_unique<platform::LinuxVolumeProvider>();
  volumes.watcher = std::make_unique<platform::VolumeWatcher>(*linux_volumes);
  volumes.provider = std::move(linux_volumes);
  return volumes;
}

}  // namespace

CRecboxViewerApp::CRecboxViewerApp(int& argc, char** argv) : argc_(argc), argv_(argv) {}

int CRecboxViewerApp::Run() {
  int exit_code = 0;
  const std::optional<ViewerArguments> arguments = ParseArguments(argc_, argv_, &exit_code);
  if (!arguments) return exit_code;

  // The toolkit's own start-up; it also sets up every control class the windows use.
  QApplication application(argc_, argv_);
  // Sockets need no start-up here: the map's web view brings its own networking.
  // The folder picker keeps its history under this name in the user's settings.
  QCoreApplication::setOrganizationName(QStringLiteral("RecboxViewer"));
  QCoreApplication::setApplicationName(QStringLiteral("vantrel-viewer"));

  std::optional<Volumes> volumes = OpenVolumes(*arguments);
  if (!volumes) return kUsageError;
  // Cards whose disk this user may not open are opened through udisks2, as polkit allows.
  CardAccess card_access(std::make_unique<platform::UdisksDiskAccess>());

  // A missing or unreadable option file leaves the defaults of a fresh start.
  ViewerOptions options;
  ReadOptions(OptionFilePath(), options);

  CRecboxViewerDlg window(options, *volumes->provider);
  if (!arguments->paths.isEmpty()) {
    QTimer::singleShot(0, &window, [&window, &arguments] { window.OpenPaths(arguments->paths); });
  }
  window.exec();
  return 0;
}

}  // namespace vantrel::ui
