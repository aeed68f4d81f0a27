#include "platform/network_state.h"

#include <QCoreApplication>
#include <QNetworkInformation>

namespace vantrel::platform {

bool InternetReachable() {
  if (QCoreApplication::instance() == nullptr) return false;
  // The backend is loaded once per process; later calls find it loaded.
  if (QNetworkInformation::instance() == nullptr && !QNetworkInformation::loadDefaultBackend()) {
    return false;
  }
  const QNetworkInformation* information = QNetworkInformation::instance();
  return information != nullptr &&
         information->reachability() == QNetworkInformation::Reachability::Online;
}

}  // namespace vantrel::platform
