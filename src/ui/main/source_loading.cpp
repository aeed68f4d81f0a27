#include "ui/main/source_loading.h"

#include <QTimer>
#include <string>
#include <vector>

#include "app/language.h"
#include "catalogue/card_access.h"
#include "catalogue/kind_text.h"
#include "catalogue/list_selection.h"
#include "catalogue/source_list.h"
#include "ui/main/file_load_dialog.h"
#include "ui/main/source_root.h"
#include "ui/picker/folder_dialog.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {
namespace {

// Text of the message shown when the list is emptied: the card went or nothing was found.
constexpr uint32_t kNoRecordingsTextId = 251;

std::vector<std::string> Utf8Items(const QStringList& items) {
  std::vector<std::string> result;
  result.reserve(static_cast<size_t>(items.size()));
  for (const QString& item : items) result.push_back(item.toStdString());
  return result;
}

bool IsCard(SourceKind kind) {
  return kind == SourceKind::kFatCard || kind == SourceKind::kLyfsCard;
}

}  // namespace

std::optional<PickedSource> DefaultFolderPicker(QWidget* parent, int language) {
  CXFolderDialog dialog(language, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return PickedSource{dialog.path(), dialog.items()};
}

SourceLoading::SourceLoading(SourceLoadingHost& host, platform::VolumeProvider& volumes,
                             LoadTimings timings, FolderPicker picker)
    : host_(host),
      volumes_(volumes),
      timings_(timings),
      picker_(std::move(picker)),
      removal_retry_(std::make_unique<QTimer>()) {
  removal_retry_->setSingleShot(true);
  QObject::connect(removal_retry_.get(), &QTimer::timeout, [this] { RetryRemoval(); });
}

SourceLoading::~SourceLoading() = default;

bool SourceLoading::Busy() const { return loading_window_open() || host_.Playback().Loading(); }

void SourceLoading::OpenCommand() {
  if (Busy()) return;
  PlaybackCommands& playback = host_.Playback();
  if (playback.State() == PlaybackState::kRunning) playback.PausePlayback();
  const std::optional<PickedSource> picked = picker_(host_.HostWidget(), host_.LanguageIndex());
  if (!picked || picked->path.isEmpty()) return;
  OpenPath(picked->path, picked->items, ItemOrigin::kPicked, LoadMode::kOpenCommand);
}

void SourceLoading::Drop(const QStringList& paths) {
  if (Busy() || paths.isEmpty()) return;
  PlaybackCommands& playback = host_.Playback();
  const PlaybackState state = playback.State();
  if (state == PlaybackState::kRunning || state == PlaybackState::kPaused) {
    playback.CloseRecording();
  }
  OpenPath(paths.first(), paths, ItemOrigin::kDropped, LoadMode::kDrop);
}

void SourceLoading::OpenPath(const QString& path, const QStringList& items, ItemOrigin origin,
                             LoadMode mode) {
  RecordingCatalogue& catalogue = host_.Catalogue();
  const std::string chosen = path.toStdString();
  EnumerateSources(catalogue, volumes_);
  const int index = SourceIndexForChosenPath(catalogue, chosen);
  // A scan that fails part-way still lists what it found before, so the result only matters
  // through the rows the loading window finds.
  OpenSource(catalogue, index, Utf8Items(items), origin);
  const SourceRecord* source = catalogue.SourceAt(index);
  refused_disk_.clear();
  if (source && source->kind == SourceKind::kLyfsCard && CardDiskRefused(source->device_path)) {
    refused_disk_ = source->device_path;
  }
  loading_root_ =
      source && IsCard(source->kind) ? source->root : VolumeRootHolding(volumes_.Volumes(), chosen);
  load_mode_ = mode;
  RunLoadingWindow();
}

void SourceLoading::RunLoadingWindow() {
  CFileLoadDlg dialog(
      host_.HostWidget(), host_.LanguageIndex(), timings_.loading_window_ms, [this] {
        const SourceKind kind = host_.Catalogue().open_source_kind();
        if ((load_mode_ == LoadMode::kOpenCommand || load_mode_ == LoadMode::kDrop) &&
            kind != SourceKind::kNone) {
          CompleteLoad();
        }
      });
  loading_window_ = &dialog;
  dialog.exec();
  loading_window_ = nullptr;
  loading_root_.clear();
}

void SourceLoading::CompleteLoad() {
  FilterEnableFlags& flags = host_.FilterFlags();
  flags = {};
  RecordingCatalogue& catalogue = host_.Catalogue();
  CRbListCtrl& list = host_.List();
  if (catalogue.FillAll(list, LanguageTextLookup(host_.LanguageIndex())) == 0) {
    if (refused_disk_.empty()) {
      ResetSource();
    } else {
      ResetSourceSaying(DiskAccessMessage(host_.LanguageIndex(), refused_disk_));
    }
    return;
  }
  source_root_ = loading_root_;
  flags = EnableFlagsFrom(catalogue.kind_presence());
  host_.FilterButtonSet().ShowPressed(ListFilter::kAll);
  PlaybackCommands& playback = host_.Playback();
  playback.StopPlayback(true);
  ListSelection& selection = list;
  selection.SelectRow(0);
  selection.ScrollToRow(0);
  MoveMark(selection, 0);
  playback.StartLoader(0);
}

void SourceLoading::ResetSource() {
  ResetSourceSaying(LoadLanguageString(host_.LanguageIndex(), kNoRecordingsTextId));
}

void SourceLoading::ResetSourceSaying(const std::optional<std::string>& text) {
  PlaybackCommands& playback = host_.Playback();
  if (playback.State() == PlaybackState::kRunning) playback.PausePlayback();
  source_root_.clear();
  playback.StopPlayback(true);
  host_.FilterFlags() = {};
  RecordingList& rows = host_.List();
  rows.DeleteAllRows();
  if (text) host_.Messages().Show(*text);
  // Redraws the four buttons in their disabled look; the next load presses All anyway.
  host_.FilterButtonSet().ShowPressed(ListFilter::kAll);
}

void SourceLoading::HideLoadingWindow() {
  if (loading_window_) loading_window_->accept();
}

void SourceLoading::VolumeRemoved(const std::string& root) {
  if (root.empty()) return;
  const bool opened = root == source_root_;
  const bool being_loaded = loading_window_open() && root == loading_root_;
  if (!opened && !being_loaded) return;
  if (Busy()) {
    pending_removed_root_ = root;
    removal_retry_->start(timings_.removal_retry_ms);
    return;
  }
  ResetSource();
}

// A card taken out while a source was being opened is looked at again once loading is over:
// while loading goes on the wait starts again; then, when the card is still the opened source and
// has not come back, the list is emptied as for any removal.
void SourceLoading::RetryRemoval() {
  if (Busy()) {
    removal_retry_->start(timings_.removal_retry_ms);
    return;
  }
  const std::string root = std::move(pending_removed_root_);
  pending_removed_root_.clear();
  if (root.empty() || root != source_root_) return;
  for (const platform::Volume& volume : volumes_.Volumes()) {
    if (volume.root == root) return;
  }
  ResetSource();
}

}  // namespace vantrel::ui
