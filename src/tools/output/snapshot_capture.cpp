#include "tools/output/snapshot_capture.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/language.h"
#include "playback/jpeg_file.h"
#include "tools/snapshot_names.h"

namespace vantrel {

SnapshotFiles WriteSnapshots(const ChannelPictures& pictures, const std::string& folder,
                             std::string_view recording_name, const tools::LocalTime& time) {
  SnapshotFiles files;
  // No folder at all (no documents folder to fall back on) would put the files at the root.
  if (folder.empty()) return files;
  const int channels = pictures.VideoPinCount() < 2 ? 1 : tools::kSnapshotChannels;
  for (int channel = 0; channel < channels; ++channel) {
    ChannelImage image;
    if (!CapturePicture(pictures, channel, &image)) return files;
    const std::string path = tools::SnapshotPath(folder, recording_name, time, channel);
    // A file that was not written must not be announced as saved.
    if (!WriteJpegFile(image, path)) return files;
    files.written.push_back(path);
  }
  files.captured = true;
  return files;
}

namespace {

// The save folder is replaced by the default one when it is gone, and the option file is told.
// The default folder is made only one level deep; an account without a documents folder yet
// would then lose every capture without a word, so the capture makes the whole path.
void EnsureSaveFolder(const SnapshotCommandParts& parts) {
  std::error_code error;
  if (std::filesystem::is_directory(parts.options.save_folder, error)) return;
  parts.options.save_folder = parts.default_folder();
  if (!parts.options.save_folder.empty()) {
    std::filesystem::create_directories(parts.options.save_folder, error);
  }
  WriteOptions(parts.option_file, parts.options, parts.messages);
}

void OfferFolder(const SnapshotCommandParts& parts, const std::string& first_file) {
  const std::optional<std::string> text =
      LoadLanguageString(parts.options.language, kSnapshotSavedText);
  if (!text) return;
  if (parts.ask(first_file + *text)) parts.open_folder(parts.options.save_folder);
}

}  // namespace

void SnapshotCapture(const SnapshotCommandParts& parts, std::string_view recording_name,
                     int list_rows) {
  if (parts.playback.Loading()) return;
  const PlaybackState state = parts.playback.State();
  const bool was_running = state == PlaybackState::kRunning;
  if (was_running) parts.playback.PausePlayback();
  if (was_running || state == PlaybackState::kPaused) {
    EnsureSaveFolder(parts);
    const SnapshotFiles files =
        WriteSnapshots(parts.pictures, parts.options.save_folder, recording_name, parts.clock());
    if (files.captured) OfferFolder(parts, files.written.front());
  }
  if (was_running && list_rows > 0) parts.playback.ResumePlayback();
}

}  // namespace vantrel
