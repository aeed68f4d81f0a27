// Texts for the user kept in order instead of shown, for tests of code that tells the user.
#pragma once

#include <string>
#include <vector>

#include "app/user_messages.h"

namespace vantrel::test {

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

}  // namespace vantrel::test
