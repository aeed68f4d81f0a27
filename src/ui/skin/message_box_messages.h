// Texts for the user shown in a message box with an OK button over a window.
#pragma once

#include "app/user_messages.h"

class QWidget;

namespace vantrel::ui {

class MessageBoxMessages : public UserMessages {
 public:
  explicit MessageBoxMessages(QWidget* parent) : parent_(parent) {}
  void Show(const std::string& text) override;

 private:
  QWidget* parent_;
};

}  // namespace vantrel::ui
