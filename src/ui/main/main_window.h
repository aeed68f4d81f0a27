// The viewer's main window: a caption-less dialog holding every control of the viewer. It lays
// its controls out in one of two layouts, moves and resizes itself by its border, turns buttons,
// keys and the context menu into commands, and hands the work to the source loading, the list
// filters and playback. While playback is loading a recording, every command but Close is
// ignored.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <array>
#include <map>
#include <memory>

#include "app/viewer_options.h"
#include "catalogue/list_filter.h"
#include "catalogue/recording_catalogue.h"
#include "playback/playback_commands.h"
#include "ui/main/filter_button_group.h"
#include "ui/main/key_table.h"
#include "ui/main/main_layout.h"
#include "ui/main/source_loading.h"
#include "ui/main/window_frame.h"

class QMenu;

namespace vantrel::platform {
class VolumeProvider;
}

namespace vantrel::ui {

class CRbButtonCtrl;
class CRbListCtrl;
class CRbSimpleSliderCtrl;
class CRbSliderCtrl;
class CRbTextCtrl;
class IdlePlayback;
class MessageBoxMessages;

class CRecboxViewerDlg : public QDialog, public SourceLoadingHost {
  Q_OBJECT

 public:
  // Without a playback controller the window plays nothing. The volume provider and the
  // playback must outlive the window.
  CRecboxViewerDlg(const ViewerOptions& options, platform::VolumeProvider& volumes,
                   PlaybackCommands* playback = nullptr, LoadTimings timings = {},
                   FolderPicker picker = DefaultFolderPicker, QWidget* parent = nullptr);
  ~CRecboxViewerDlg() override;

  // Paths from the command line, opened as if dropped on the window.
  void OpenPaths(const QStringList& paths);

  // A command of a button, a menu entry or a key, by its id.
  void OnCommand(int id);

  // SourceLoadingHost
  QWidget* HostWidget() override { return this; }
  int LanguageIndex() const override { return options_.language; }
  RecordingCatalogue& Catalogue() override { return catalogue_; }
  CRbListCtrl& List() override { return *list_; }
  FilterButtons& FilterButtonSet() override { return *filter_buttons_; }
  FilterEnableFlags& FilterFlags() override { return filter_flags_; }
  PlaybackCommands& Playback() override { return *playback_; }
  UserMessages& Messages() override { return *messages_; }

  // Where the window's texts for the user go (a message box unless replaced).
  void SetMessages(UserMessages& messages) { messages_ = &messages; }

  // The language of every text of the window: panels, list headings, tool tips and the
  // channel buttons' faces.
  void ApplyLanguage(int language_index);

  // The playback pop-up for a right click at `pos` (client); none over the right column or for a
  // language without a menu.
  std::unique_ptr<QMenu> ContextMenuAt(const QPoint& pos);

  int layout_mode() const { return layout_.mode; }
  const MainLayout& current_layout() const { return layout_; }
  SourceLoading& source_loading() { return *loading_; }

  // The window's controls, for playback and for tests. Null for an unknown id.
  CRbButtonCtrl* Button(int id) const;
  CRbTextCtrl* Panel(int id) const;
  CRbSimpleSliderCtrl* SmallSlider(int id) const;
  CRbSliderCtrl* SeekSlider() const { return seek_slider_; }
  // Surface 1 (front) or 2 (rear).
  QWidget* Surface(int channel) const;
  QWidget* PlacedWidget(Control control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Set-up, in the order the window is built.
  void CreateControls();
  void CreateButtons();
  void CreatePanels();
  void CreateSlidersAndList();
  void CreatePlaceholders();
  void ConnectControls();
  void SetInitialState();
  void LoadToolTips();
  void CentreOnScreen();

  // Places every control for the layout mode and the client size, then the video surfaces.
  void ApplyLayout();
  void ToggleLayout();
  void RunFilter(ListFilter filter);
  void CloseViewer();
  void Drop(const QStringList& paths);
  bool HandleKey(QKeyEvent* event);
  void ClearTopButtonHover();
  bool Loading() const { return playback_->Loading(); }

  ViewerOptions options_;
  platform::VolumeProvider& volumes_;
  std::unique_ptr<IdlePlayback> idle_playback_;
  PlaybackCommands* playback_;
  std::unique_ptr<MessageBoxMessages> box_messages_;
  UserMessages* messages_;
  RecordingCatalogue catalogue_;
  FilterEnableFlags filter_flags_{};

  std::map<int, CRbButtonCtrl*> buttons_;
  std::map<int, CRbTextCtrl*> panels_;
  std::map<int, CRbSimpleSliderCtrl*> small_sliders_;
  std::map<Control, QWidget*> placed_;
  CRbSliderCtrl* seek_slider_ = nullptr;
  CRbListCtrl* list_ = nullptr;
  std::array<QWidget*, 2> surfaces_{};
  std::unique_ptr<FilterButtonGroup> filter_buttons_;
  std::unique_ptr<SourceLoading> loading_;
  int volume_listener_ = 0;

  MainLayout layout_;
  int layout_mode_ = kFullLayout;
  int channel_mode_ = 1;
  bool map_docked_ = true;
  MapBlockState map_state_ = MapBlockState::kNoData;
  bool initialised_ = false;

  // Dragging the window by hand: moving by the grab point, or resizing from an edge.
  bool moving_ = false;
  QPoint grab_point_;
  bool resizing_ = false;
  FrameHit resize_edge_ = FrameHit::kClient;
  QRect resize_start_;
};

}  // namespace vantrel::ui
