// The card format as the settings dialog runs it: the question, the FAT format dialog and the
// messages in message boxes over the owner, and the format itself on a thread of its own while a
// busy window keeps the user interface alive.
#pragma once

#include "device/format_card.h"

class QWidget;

namespace vantrel {
class UserMessages;
}

namespace vantrel::ui {

class QtFormatCardPorts : public device::FormatCardPorts {
 public:
  // Questions and dialogs appear over owner; the messages go to `messages`.
  QtFormatCardPorts(QWidget* owner, UserMessages& messages, int language_index)
      : owner_(owner), messages_(messages), language_index_(language_index) {}

  bool Confirm(const std::string& question) override;
  std::optional<std::string> AskFatLabel(const std::string& label) override;
  device::CardFormatOutcome Run(const device::CardFormatJob& job) override;
  void Show(const std::string& text) override;

 private:
  QWidget* owner_;
  UserMessages& messages_;
  int language_index_;
};

// Runs the Format command over owner with the card formatter for the chosen card.
device::FormatCardResult RunFormatCard(QWidget* owner, UserMessages& messages,
                                       const device::FormatCardRequest& request);

}  // namespace vantrel::ui
