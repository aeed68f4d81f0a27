#include "platform/ui_thread_qt.h"

#include <QMetaObject>

namespace vantrel::platform {

void UiThreadQt::Post(std::function<void()> task) {
  QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

}  // namespace vantrel::platform
