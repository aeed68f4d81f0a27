#include "app/user_messages.h"

#include <cstdio>

namespace vantrel {

void StderrMessages::Show(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fputc('\n', stderr);
}

}  // namespace vantrel
