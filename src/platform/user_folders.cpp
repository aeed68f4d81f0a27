#include "platform/user_folders.h"

#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>

namespace vantrel::platform {

namespace {

constexpr char kDataFolderName[] = "/vantrel-viewer";

// A variable's value when it is set to an absolute path; the XDG rules say a relative one is
// to be ignored.
std::string AbsoluteEnvironmentPath(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || value[0] != '/') return {};
  return value;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

std::string DocumentsFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return WithoutTrailingSlashes(QFile::encodeName(folder).toStdString());
}

std::string DesktopFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
  return WithoutTrailingSlashes(QFile::encodeName(folder).toStdString());
}

std::string UserDataFolder() {
  std::string base = AbsoluteEnvironmentPath("XDG_DATA_HOME");
  if (base.empty()) {
    const std::string home = AbsoluteEnvironmentPath("HOME");
    if (home.empty()) return {};
    base = WithoutTrailingSlashes(home) + "/.local/share";
  }
  return WithoutTrailingSlashes(base) + kDataFolderName;
}

}  // namespace vantrel::platform
