#include "catalogue/narrow_name.h"

#include <algorithm>
#include <cstring>

#include "catalogue/utf8_text.h"

namespace vantrel {

NarrowName MakeNarrowName(std::string_view text) {
  NarrowName name{};
  text = text.substr(0, text.find('\0'));
  const std::string_view kept = utf8::CutToBytes(text, kNarrowNameBytes - 1);
  std::copy(kept.begin(), kept.end(), name.begin());
  return name;
}

std::string_view NarrowText(const NarrowName& name) {
  const void* end = std::memchr(name.data(), '\0', name.size());
  const size_t length = end == nullptr
                            ? name.size()
                            : static_cast<size_t>(static_cast<const char*>(end) - name.data());
  return std::string_view(name.data(), length);
}

}  // namespace vantrel
