// The main window's output commands: Capture (snapshots), Save copy (a card recording to a file
// of the user's choice) and Print (the two-page report), with their dialogs. The dialogs can be
// replaced, so tests answer them. Runs on the user-interface thread.
#pragma once

#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "app/user_messages.h"
#include "app/viewer_options.h"
#include "catalogue/recording_catalogue.h"
#include "playback/media_graph.h"
#include "playback/playback_commands.h"
#include "telemetry/telemetry_store.h"
#include "tools/local_time.h"

class QPrinter;
class QWidget;

namespace vantrel::ui {

class CRbListCtrl;

// Language texts of the save copy's progress and failures.
inline constexpr uint32_t kCopyFailedText = 5000;
inline constexpr uint32_t kCopyCancelledText = 5001;
inline constexpr uint32_t kCopyProgressText = 5002;
inline constexpr uint32_t kCancelText = 143;

struct OutputDialogs {
  // The save dialog: a path offered and the one filter; none for Cancel.
  std::function<std::optional<std::string>(QWidget* parent, const std::string& initial_path,
                                           const std::string& filter)>
      choose_save_path;
  // A question with Yes and No; true for Yes.
  std::function<bool(QWidget* parent, const std::string& text)> ask;
  // Shows the folder in the desktop's file manager.
  std::function<void(const std::string& folder)> open_folder;
  // The print dialog on printer; false for Cancel.
  std::function<bool(QWidget* parent, QPrinter& printer)> choose_printer;
  tools::LocalClock clock;
};

// The system's dialogs, the desktop's file manager and the computer's clock.
OutputDialogs StandardOutputDialogs();

// A grab of the map view for the report; a null image when there is no map view.
using MapPictureSource = std::function<QImage()>;

// What the commands work with; all of it outlives the commands.
struct OutputHost {
  QWidget* parent;
  PlaybackCommands& playback;
  std::function<const MediaGraph*()> graph;  // the open recording's graph, or null
  RecordingCatalogue& catalogue;
  CRbListCtrl& list;
  ViewerOptions& options;
  std::function<UserMessages&()> messages;
  const TelemetryStore& telemetry;
};

class OutputCommands {
 public:
  explicit OutputCommands(OutputHost host, OutputDialogs dialogs = StandardOutputDialogs());

  void Capture();
  void SaveCopy();
  void Print();

  void SetDialogs(OutputDialogs dialogs) { dialogs_ = std::move(dialogs); }
  void SetMapPictureSource(MapPictureSource source) { map_picture_ = std::move(source); }

 private:
  void CopyEntry(const RecordingEntry& entry);
  std::string Text(uint32_t id) const;

  OutputHost host_;
  OutputDialogs dialogs_;
  MapPictureSource map_picture_;
};

}  // namespace vantrel::ui
