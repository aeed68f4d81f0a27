#include "ui/skin/message_box_messages.h"

#include <QMessageBox>

namespace vantrel::ui {

void MessageBoxMessages::Show(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("Vantrel Viewer"), QString::fromStdString(text),
                           QMessageBox::Ok);
}

}  // namespace vantrel::ui
