#include "avi/four_cc.h"

namespace vantrel::avi {

std::string FourCcText(FourCcValue value) {
  std::string text;
  for (int shift = 0; shift < 32; shift += 8) {
    const char c = static_cast<char>((value >> shift) & 0xFF);
    if (c != '\0') text.push_back(c);
  }
  return text;
}

}  // namespace vantrel::avi
