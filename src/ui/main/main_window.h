// The viewer's main window: a caption-less dialog holding every control of the viewer. It lays
// its controls out in one of two layouts, moves and resizes itself by its border, turns buttons,
// keys and the context menu into commands, and hands the work to the source loading, the list
// filters and playback. While playback is loading a recording, every command but Close is
// ignored.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QStringList>
#include <array>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/viewer_options.h"
#include "catalogue/list_filter.h"
#include "catalogue/recording_catalogue.h"
#include "platform/timer_qt.h"
#include "platform/ui_thread_qt.h"
#include "playback/controller/playback_controller.h"
#include "playback/graph_components.h"
#include "playback/playback_clock.h"
#include "playback/playback_commands.h"
#include "telemetry/map/map_placement.h"
#include "telemetry/map/map_source.h"
#include "ui/main/filter_button_group.h"
#include "ui/main/key_table.h"
#include "ui/main/main_layout.h"
#include "ui/main/output_commands.h"
#include "ui/main/source_loading.h"
#include "ui/main/window_frame.h"
#include "ui/settings/setting_dialog.h"

class QMenu;

namespace vantrel::platform {
class VolumeProvider;
}

namespace vantrel::ui {

class CFullDlg;
class CMapDlg;
class CMapPictureWnd;
class CMapViewWnd;
class CRbButtonCtrl;
class CRbGsensorCtrl;
class CRbSpeedCtrl;
class CRbMapPanelCtrl;
class CRbListCtrl;
class CRbScreenCtrl;
class CRbSimpleSliderCtrl;
class CRbSliderCtrl;
class CRbTextCtrl;
class CZoomDlg;
class MessageBoxMessages;
class WindowPlaybackView;

// How the window's playback is set up: the controller's delays, whether recordings play their
// sound on the sound card (when the machine has one), for tests, playback that receives the
// window's commands in place of the controller, and where the web map comes from. Without a
// web map (where the web engine cannot run, and in tests that do not need it) the map block
// shows its not-connected picture for recordings with GPS data.
struct PlaybackSetup {
  ControllerTimings timings;
  bool use_sound_card = true;
  PlaybackCommands* commands = nullptr;
  std::optional<MapSource> web_map;
  // Whether this computer is connected; the system's network state unless replaced.
  std::function<bool()> internet_connected;
  // The recordings' clock when no sound drives it (tests move one by hand).
  TimeSource time = SteadyTimeSource();
};

class CRecboxViewerDlg : public QDialog, public SourceLoadingHost {
  Q_OBJECT

 public:
  // The window builds its playback controller over its own list and video surfaces. The volume
  // provider, and playback given in the setup, must outlive the window.
  CRecboxViewerDlg(const ViewerOptions& options, platform::VolumeProvider& volumes,
                   PlaybackSetup playback = {}, LoadTimings timings = {},
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

  // Whether the library of a language loads (the libraries beside the program unless replaced);
  // the channel buttons' faces change only to a language whose library loads.
  void SetLanguageLibraryCheck(std::function<bool(int language_index)> loads) {
    library_loads_ = std::move(loads);
  }

  // What the settings dialog of the Setting command is given (the card formatting among it); the
  // window supplies its own volumes.
  void SetSettingServices(SettingDialogServices services) {
    setting_services_ = std::move(services);
  }

  // The language of every text of the window: panels, list headings, tool tips and the
  // channel buttons' faces.
  void ApplyLanguage(int language_index);

  // The playback pop-up for a right click at `pos` (client); none over the right column or for a
  // language without a menu.
  std::unique_ptr<QMenu> ContextMenuAt(const QPoint& pos);

  // The map block after a recording opened: which of the map, no-data and not-connected windows
  // shows (in the full layout).
  void ShowMapBlock(MapBlockState state);
  // The map view goes back into the main window's map block (the pop-up hides); the Map button
  // and the map block's labels show in layout 1.
  void DockMap(int layout_mode);
  // The map view goes into its pop-up, which shows; the Map button and the labels hide.
  void PopOutMap();
  // Whether the map can show a recording's route now: the web view runs and the map's page and
  // tiles can be reached.
  bool MapAvailable() const;

  int layout_mode() const { return layout_.mode; }
  const MainLayout& current_layout() const { return layout_; }
  SourceLoading& source_loading() { return *loading_; }
  FilterButtonGroup& filter_buttons() { return *filter_buttons_; }
  PlaybackController& controller() { return *controller_; }
  // Capture, Save copy and Print; their dialogs and the map's picture are set through it.
  OutputCommands& output() { return *output_; }
  const WindowPlaybackView& playback_view() const { return *view_; }
  CZoomDlg* zoom_window() const { return zoom_; }
  CFullDlg* full_window() const { return full_; }
  // Null where the web map does not run.
  CMapViewWnd* map_view() const { return map_view_; }
  CMapDlg* map_window() const { return map_dlg_; }
  CRbMapPanelCtrl* map_panel() const { return map_panel_; }
  MapPlacement map_placement() const { return map_placement_; }

  // The window's controls, for playback and for tests. Null for an unknown id.
  CRbButtonCtrl* Button(int id) const;
  CRbTextCtrl* Panel(int id) const;
  CRbSimpleSliderCtrl* SmallSlider(int id) const;
  CRbSliderCtrl* SeekSlider() const { return seek_slider_; }
  // Surface 1 (front) or 2 (rear).
  CRbScreenCtrl* Surface(int channel) const;
  QWidget* PlacedWidget(Control control) const;
  CRbGsensorCtrl* GsensorGraph() const { return gsensor_graph_; }
  CRbSpeedCtrl* SpeedGauge() const { return speed_gauge_; }

 public slots:
  // Messages of the other windows: a volume step 0..10 (the map page), a seek in milliseconds,
  // and a repaint of the list-filter buttons.
  void OnSetVolumeMessage(int step);
  void OnSeekMessage(int milliseconds);
  void OnRepaintFiltersMessage();

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
  void CreateMapWindows(const PlaybackSetup& setup);
  // The web engine stopped: the map block falls back to its not-connected picture.
  void MapEngineFailed();
  void CreatePlayback(const PlaybackSetup& setup);
  void ConnectControls();
  void SetInitialState();
  void LoadToolTips();
  void CentreOnScreen();

  // Places every control for the layout mode and the client size (the controller places the
  // video surfaces).
  void ApplyLayout();
  void ToggleLayout();
  // The About command: playback pauses while the about box is up.
  void ShowAboutBox();
  void ShowPlaybackMenu(const QPoint& global_position);
  void VolumeRemoved(const std::string& root);
  void RunFilter(ListFilter filter);
  void CloseViewer();
  // The Setting command: the settings dialog over paused playback; after OK the rear mirror and
  // the language are applied again.
  void RunSettings();
  // The settings dialog's Format button; a formatted card that is the opened source is reset as
  // if it had been taken out.
  void FormatChosenCard(const CardFormatRequest& chosen);
  void Drop(const QStringList& paths);
  bool HandleKey(QKeyEvent* event);
  void ClearTopButtonHover();
  bool Loading() const { return playback_->Loading(); }

  ViewerOptions options_;
  // The language the loader threads check the library of.
  std::atomic<int> loader_language_;
  platform::VolumeProvider& volumes_;
  std::unique_ptr<MessageBoxMessages> box_messages_;
  UserMessages* messages_;
  std::function<bool(int language_index)> library_loads_;
  RecordingCatalogue catalogue_;
  FilterEnableFlags filter_flags_{};

  // What the playback controller is lent; made before it and gone after it.
  std::unique_ptr<StandardGraphComponents> graph_components_;
  platform::UiThreadQt ui_thread_;
  platform::TimerQt tick_timer_;
  platform::TimerQt delay_timer_;
  std::unique_ptr<WindowPlaybackView> view_;
  std::unique_ptr<PlaybackController> controller_;
  // Where the window's commands go: the controller, or what the setup gave.
  PlaybackCommands* playback_ = nullptr;

  std::map<int, CRbButtonCtrl*> buttons_;
  std::map<int, CRbTextCtrl*> panels_;
  std::map<int, CRbSimpleSliderCtrl*> small_sliders_;
  std::map<Control, QWidget*> placed_;
  CRbSliderCtrl* seek_slider_ = nullptr;
  CRbListCtrl* list_ = nullptr;
  std::array<CRbScreenCtrl*, 2> surfaces_{};
  CRbGsensorCtrl* gsensor_graph_ = nullptr;
  CRbSpeedCtrl* speed_gauge_ = nullptr;
  CZoomDlg* zoom_ = nullptr;
  CFullDlg* full_ = nullptr;
  CRbMapPanelCtrl* map_panel_ = nullptr;
  CMapViewWnd* map_view_ = nullptr;
  CMapDlg* map_dlg_ = nullptr;
  std::array<CMapPictureWnd*, 2> map_pictures_{};
  std::function<bool()> internet_connected_;
  MapSource map_source_;
  std::unique_ptr<FilterButtonGroup> filter_buttons_;
  std::unique_ptr<SourceLoading> loading_;
  std::unique_ptr<OutputCommands> output_;
  SettingDialogServices setting_services_;
  int volume_listener_ = 0;

  MainLayout layout_;
  // The background last painted and whether a surface was shown on it; drawn again only when
  // the layout, the size or that changes, not on every repaint of a control over it.
  QPixmap background_;
  bool background_surface_shown_ = false;
  int layout_mode_ = kFullLayout;
  MapPlacement map_placement_ = MapPlacement::kDocked;
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
