// Opening a source in the main window: the Open command and dropped files choose a card or the
// computer's folders, scan it into the catalogue and show the loading window; when that closes
// the list is filled and the first recording starts. Also the reset when the opened card is taken
// out. Everything runs on the user-interface thread.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/user_messages.h"
#include "catalogue/list_filter.h"
#include "catalogue/open_source.h"
#include "catalogue/recording_catalogue.h"
#include "platform/volume_provider.h"
#include "playback/playback_commands.h"

class QDialog;
class QTimer;
class QWidget;

namespace vantrel::ui {

class CRbListCtrl;

// The loading window's time on screen, and the wait before a card taken out during loading is
// looked at again.
struct LoadTimings {
  int loading_window_ms = 3000;
  int removal_retry_ms = 1000;
};

// What the folder picker returned: the path shown when it closed and the chosen items in order.
struct PickedSource {
  QString path;
  QStringList items;
};

// Runs the folder picker in a language; none when the user cancelled.
using FolderPicker = std::function<std::optional<PickedSource>(QWidget* parent, int language)>;

// The folder picker of the viewer (CXFolderDialog).
std::optional<PickedSource> DefaultFolderPicker(QWidget* parent, int language);

// What loading needs of the main window, which implements it.
class SourceLoadingHost {
 public:
  virtual ~SourceLoadingHost() = default;
  virtual QWidget* HostWidget() = 0;
  virtual int LanguageIndex() const = 0;
  virtual RecordingCatalogue& Catalogue() = 0;
  virtual CRbListCtrl& List() = 0;
  virtual FilterButtons& FilterButtonSet() = 0;
  virtual FilterEnableFlags& FilterFlags() = 0;
  virtual PlaybackCommands& Playback() = 0;
  virtual UserMessages& Messages() = 0;
};

// How the loading window was started.
enum class LoadMode { kNone = 0, kOpenCommand = 2, kDrop = 3 };

class SourceLoading {
 public:
  // The host and the volume provider must outlive this object.
  SourceLoading(SourceLoadingHost& host, platform::VolumeProvider& volumes,
                LoadTimings timings = {}, FolderPicker picker = DefaultFolderPicker);
  ~SourceLoading();
  SourceLoading(const SourceLoading&) = delete;
  SourceLoading& operator=(const SourceLoading&) = delete;

  // Button 1000, menu command 32810, Ctrl+O.
  void OpenCommand();
  // Files or folders dropped on the window or the list (local paths).
  void Drop(const QStringList& paths);
  // The volume provider reports a volume gone.
  void VolumeRemoved(const std::string& root);
  // Empties the list and stops playback as when the opened card is gone, and tells the user.
  void ResetSource();
  // Playback has opened the first recording: the loading window goes if it is still up.
  void HideLoadingWindow();

  // The root of the volume holding the opened source; empty when nothing is open.
  const std::string& source_root() const { return source_root_; }
  bool loading_window_open() const { return loading_window_ != nullptr; }

 private:
  void OpenPath(const QString& path, const QStringList& items, ItemOrigin origin, LoadMode mode);
  void RunLoadingWindow();
  void CompleteLoad();
  void RetryRemoval();
  bool Busy() const;
  void ResetSourceSaying(const std::optional<std::string>& text);

  SourceLoadingHost& host_;
  platform::VolumeProvider& volumes_;
  LoadTimings timings_;
  FolderPicker picker_;
  LoadMode load_mode_ = LoadMode::kNone;
  std::string source_root_;
  // Root of the volume of the source the loading window is opening; empty when it is closed.
  std::string loading_root_;
  // The disk of the LyFS card being loaded when this user was refused access to it; the load
  // then ends with that message instead of "no recordings".
  std::string refused_disk_;
  // A removal seen while loading, looked at again when the retry timer fires.
  std::string pending_removed_root_;
  QDialog* loading_window_ = nullptr;  // while it is up
  std::unique_ptr<QTimer> removal_retry_;
};

}  // namespace vantrel::ui
