// The Capture command: the picture each channel shows now, saved as JPEG files in the save
// folder, and the offer to open that folder. Runs on the user-interface thread.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "playback/playback_commands.h"
#include "tools/local_time.h"
#include "tools/output/channel_pictures.h"

namespace vantrel {

// The language text shown after the Track1 file's path.
inline constexpr uint32_t kSnapshotSavedText = 145;

// The files of one capture, Track1 first. `captured` is false when a channel had no picture or
// a file could not be written; files written before that stay and are listed.
struct SnapshotFiles {
  bool captured = false;
  std::vector<std::string> written;
};

// Writes "(Track1)" and, for a recording with two video pins, "(Track2)" JPEG files into folder
// for the moment given (one reading of the clock for both names).
SnapshotFiles WriteSnapshots(const ChannelPictures& pictures, const std::string& folder,
                             std::string_view recording_name, const tools::LocalTime& time);

// What the command works with and on; everything must outlive the call.
struct SnapshotCommandParts {
  PlaybackCommands& playback;
  const ChannelPictures& pictures;
  ViewerOptions& options;                       // its save folder may be replaced and written back
  UserMessages& messages;                       // for a failed write of the option file
  std::string option_file;                      // OptionFilePath()
  std::function<std::string()> default_folder;  // DefaultCaptureFolder()
  tools::LocalClock clock;
  // Shows a question with Yes and No; true for Yes.
  std::function<bool(const std::string& text)> ask;
  std::function<void(const std::string& folder)> open_folder;
};

// SnapshotCapture. recording_name: the name column of the list's current row (empty for none);
// list_rows: the rows of the list (a paused recording resumes only while there are rows).
void SnapshotCapture(const SnapshotCommandParts& parts, std::string_view recording_name,
                     int list_rows);

}  // namespace vantrel
