// How core code tells the user about a failure without knowing any window: the viewer shows the
// text in a message box with an OK button, the command-line tool prints it.
#pragma once

#include <string>

namespace vantrel {

class UserMessages {
 public:
  virtual ~UserMessages() = default;
  // Shows a UTF-8 text and returns when the user has seen it.
  virtual void Show(const std::string& text) = 0;
};

// Prints each text as one line on standard error.
class StderrMessages : public UserMessages {
 public:
  void Show(const std::string& text) override;
};

}  // namespace vantrel
