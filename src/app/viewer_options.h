// The viewer's own settings and their file "config/option.ini": CR LF text lines of KEY=VALUE,
// written whole by the viewer, read line by line and forgiving of anything it does not know.
// One ViewerOptions lives for the whole process; it is changed only on the user-interface
// thread while nothing is loading.
#pragma once

#include <cstdint>
#include <string>

#include "app/language.h"
#include "app/user_messages.h"

namespace vantrel {

// The keys of the values the viewer reads back.
inline constexpr char kSaveDirectoryKey[] = "SAVE_DIRECTORY";
inline constexpr char kPlayValueKey[] = "PLAY_VALUE";
inline constexpr char kRearMirrorKey[] = "REAR_MIRROR";
inline constexpr char kLanguageKey[] = "LANGUAGE";
inline constexpr char kDefaultLanguageKey[] = "DEFAULT_LANGUAGE";
inline constexpr char kModelKey[] = "MODEL";

// What a user left a message box with when the option file could not be written.
inline constexpr char kOptionsWriteFailedText[] = "실패";

// Member defaults are the values of a fresh start, before any file is read.
struct ViewerOptions {
  std::string save_folder;       // SAVE_DIRECTORY: snapshot folder; empty until one is needed
  int32_t skip_step = 5;         // PLAY_VALUE: seconds of one fast-forward or rewind step
  bool rear_mirror = false;      // REAR_MIRROR: show the rear channel mirrored
  int32_t language = kKorean;    // LANGUAGE: a LanguageIndex, not range-checked
  int32_t default_language = 0;  // DEFAULT_LANGUAGE: kept as read, used by nothing
  int32_t model = 0;             // MODEL: the recorder model index

  bool operator==(const ViewerOptions&) const = default;
};

// Reads the file at `path` into `options`; values of keys that are absent stay as they were.
// An empty SAVE_DIRECTORY becomes DefaultCaptureFolder(), which is created. Returns false only
// when the file cannot be opened or is not a regular file (options then unchanged), without
// waiting on a fifo; what it holds is never an error, and only its first 64 KiB are read.
bool ReadOptions(const std::string& path, ViewerOptions& options);

// Replaces the file at `path` with the fourteen lines of the option file. Does not create the
// folder. The file is replaced only when written whole. On failure shows kOptionsWriteFailedText
// through `messages` and returns false; a save folder that would not read back as it is (a line
// break or NUL in it, or a tab or backspace at its ends) fails the same way, before the file is
// touched.
bool WriteOptions(const std::string& path, const ViewerOptions& options, UserMessages& messages);

}  // namespace vantrel
