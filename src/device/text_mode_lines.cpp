#include "device/text_mode_lines.h"

namespace vantrel::device {

TextModeLines::TextModeLines(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

bool TextModeLines::Next(std::string& line) {
  line.clear();
  if (!file_) return false;
  std::FILE* const file = file_.get();
  bool read_any = false;
  while (line.size() < kTextModeReadBytes) {
    int c = std::fgetc(file);
    if (c == EOF) break;
    read_any = true;
    if (c == '\r') {
      const int next = std::fgetc(file);
      if (next == '\n') {
        c = '\n';
      } else if (next != EOF) {
        std::ungetc(next, file);
      }
    }
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  const size_t nul = line.find('\0');
  if (nul != std::string::npos) line.resize(nul);
  return read_any;
}

}  // namespace vantrel::device
