#include "app/viewer_options.h"

#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <string_view>

#include "app/program_paths.h"
#include "files/input_file.h"
#include "files/replacing_file.h"

namespace vantrel {

namespace {

// The Windows viewer read through a 256-byte buffer; a longer line arrives in pieces, and each
// piece is taken as a line of its own. Files it wrote are read the same way here.
constexpr int kLineBufferBytes = 256;
// An option file is a few short lines; of anything longer only this much is read.
constexpr size_t kMostOptionBytes = 64 * 1024;

// Characters cut from both ends of a line, a key and a value. Spaces are kept: "KEY =1" has the
// key "KEY " and matches nothing.
constexpr std::string_view kTrimmed = "\b\t\r\n";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The integer atoi reads: white space skipped, an optional sign, the digits up to the first
// other character, 0 without digits. Values past the 32-bit range stop at its ends instead of
// overflowing.
int32_t LeadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const int64_t limit = negative ? -int64_t{std::numeric_limits<int32_t>::min()}
                                 : int64_t{std::numeric_limits<int32_t>::max()};
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
  }
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

void ApplyLine(std::string_view line, ViewerOptions& options) {
  line = Trim(line);
  // Section headers are skipped even when they hold "="; keys count in any section.
  if (line.empty() || line.front() == '[') return;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return;
  const std::string_view key = Trim(line.substr(0, equals));
  const std::string_view value = Trim(line.substr(equals + 1));
  if (key == kSaveDirectoryKey) {
    options.save_folder = value.empty() ? DefaultCaptureFolder() : std::string(value);
  } else if (key == kPlayValueKey) {
    options.skip_step = LeadingInteger(value);
  } else if (key == kRearMirrorKey) {
    options.rear_mirror = LeadingInteger(value) == 1;
  } else if (key == kLanguageKey) {
    options.language = LeadingInteger(value);
  } else if (key == kDefaultLanguageKey) {
    options.default_language = LeadingInteger(value);
  } else if (key == kModelKey) {
    options.model = LeadingInteger(value);
  }
}

std::string OptionFileText(const ViewerOptions& options) {
  const std::string lines[] = {
      "[DIRECTORY]",
      "ROOT_DIRECTORY=QX_RECBOX",
      "EVENT_DIRECTORY=MP4_EVENT",
      "CONTINUOS_DIRECTORY=MP4_INFINITE",
      "[OPTION]",
      std::string(kSaveDirectoryKey) + "=" + options.save_folder,
      std::string(kPlayValueKey) + "=" + std::to_string(options.skip_step),
      "USE_LOG=FALSE",
      "LOG_LEVEL=3",
      "LOG_TYPE=3",
      std::string(kRearMirrorKey) + "=" + (options.rear_mirror ? "1" : "0"),
      std::string(kLanguageKey) + "=" + std::to_string(options.language),
      std::string(kDefaultLanguageKey) + "=" + std::to_string(options.default_language),
      std::string(kModelKey) + "=" + std::to_string(options.model),
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A folder name on Linux may hold a line break, which would be read back as lines of its own
// (and could smuggle in other keys), or end in characters the reader trims.
bool ReadsBackUnchanged(const std::string& save_folder) {
  return save_folder.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos &&
         Trim(save_folder) == save_folder;
}

}  // namespace

bool ReadOptions(const std::string& path, ViewerOptions& options) {
  // A fifo or a device is no option file: refused at once instead of waited on or read forever.
  std::string why;
  const int descriptor = files::OpenInput(path, files::InputKind::kRegularFile, &why);
  if (descriptor < 0) return false;
  const File file(::fdopen(descriptor, "rb"));
  if (!file) {
    ::close(descriptor);
    return false;
  }
  std::string text(kMostOptionBytes, '\0');
  text.resize(std::fread(text.data(), 1, text.size(), file.get()));
  size_t start = 0;
  while (start < text.size()) {
    // The pieces the 256-byte buffer took: up to 255 bytes, through the line break.
    constexpr size_t kPiece = kLineBufferBytes - 1;
    size_t end = start;
    while (end < text.size() && end - start < kPiece && text[end] != '\n') ++end;
    if (end < text.size() && end - start < kPiece) ++end;  // the line break itself
    const std::string_view piece(text.data() + start, end - start);
    // A NUL ends the line's text, as it ends a C string.
    ApplyLine(piece.substr(0, piece.find('\0')), options);
    start = end;
  }
  return true;
}

bool WriteOptions(const std::string& path, const ViewerOptions& options, UserMessages& messages) {
  bool written = false;
  if (ReadsBackUnchanged(options.save_folder)) {
    // A full disk shows up only at the write or at the close; neither may pass as success, nor
    // cost the file the options were in.
    files::ReplacingFile file(path);
    const std::string text = OptionFileText(options);
    written = file.Write(text.data(), text.size()) && file.Commit();
  }
  if (!written) messages.Show(kOptionsWriteFailedText);
  return written;
}

}  // namespace vantrel
