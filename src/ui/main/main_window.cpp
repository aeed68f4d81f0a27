#include "ui/main/main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "app/language.h"
#include "app/program_paths.h"
#include "catalogue/folder_scan.h"
#include "catalogue/kind_text.h"
#include "platform/audio_output_device.h"
#include "platform/volume_provider.h"
#include "playback/widgets/full_dialog.h"
#include "playback/widgets/rb_screen_ctrl.h"
#include "playback/widgets/zoom_dialog.h"
#include "telemetry/map/widgets/map_view_wnd.h"
#include "telemetry/telemetry_store.h"
#include "telemetry/widgets/rb_gsensor_ctrl.h"
#include "telemetry/widgets/rb_speed_ctrl.h"
#include "ui/main/control_ids.h"
#include "ui/main/playback_menu.h"
#include "ui/main/playback_menu_widget.h"
#include "ui/main/window_playback_view.h"
#include "ui/skin/message_box_messages.h"
#include "ui/skin/rb_button_ctrl.h"
#include "ui/skin/rb_list_ctrl.h"
#include "ui/skin/rb_slider_ctrl.h"
#include "ui/skin/rb_text_ctrl.h"
#include "ui/skin/skin_image_ids.h"
#include "ui/skin/skin_images.h"

namespace vantrel::ui {
namespace {

// A text every language library holds (the time read-out's caption): when it can be read, the
// library loads.
constexpr uint32_t kLibraryProbeTextId = 110;

bool LibraryLoads(int language_index) {
  return LoadLanguageString(language_index, kLibraryProbeTextId).has_value();
}

Key KeyOf(int qt_key) {
  switch (qt_key) {
    case Qt::Key_O:
      return Key::kO;
    case Qt::Key_F4:
      return Key::kF4;
    case Qt::Key_Escape:
      return Key::kEscape;
    case Qt::Key_Space:
      return Key::kSpace;
    case Qt::Key_PageUp:
      return Key::kPageUp;
    case Qt::Key_PageDown:
      return Key::kPageDown;
    case Qt::Key_Up:
      return Key::kUp;
    case Qt::Key_Down:
      return Key::kDown;
    default:
      return Key::kOther;
  }
}

// The command id a shortcut runs; 0 for none.
int CommandOfKey(KeyAction action) {
  switch (action) {
    case KeyAction::kOpen:
      return button_id::kOpen;
    case KeyAction::kLayoutToggle:
      return button_id::kLayoutToggle;
    case KeyAction::kPause:
      return button_id::kPause;
    case KeyAction::kPlay:
      return button_id::kPlay;
    case KeyAction::kPrev:
      return button_id::kPrev;
    case KeyAction::kNext:
      return button_id::kNext;
    case KeyAction::kVolumeUp:
      return playback_command::kVolumeUp;
    case KeyAction::kVolumeDown:
      return playback_command::kVolumeDown;
    case KeyAction::kBrightDefault:
      return button_id::kBright;
    case KeyAction::kMute:
      return button_id::kMute;
    case KeyAction::kSpeedDefault:
      return button_id::kSpeed;
    case KeyAction::kClose:
      return button_id::kClose;
    case KeyAction::kPass:
    case KeyAction::kSwallow:
      break;
  }
  return 0;
}

// Commands that playback carries out as they are.
bool IsPlaybackCommand(int id) {
  switch (id) {
    case playback_command::kPrev:
    case playback_command::kRewind:
    case playback_command::kPlay:
    case playback_command::kFastForward:
    case playback_command::kPause:
    case playback_command::kNext:
    case playback_command::kSpeedDefault:
    case playback_command::kBrightDefault:
    case playback_command::kMute:
    case playback_command::kFront:
    case playback_command::kRear:
    case playback_command::kAllChannels:
      return true;
    default:
      return id >= playback_command::kPlayPauseToggle && id <= playback_command::kMenuMute;
  }
}

}  // namespace

CRecboxViewerDlg::CRecboxViewerDlg(const ViewerOptions& options, platform::VolumeProvider& volumes,
                                   PlaybackSetup playback, LoadTimings timings, FolderPicker picker,
                                   QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      options_(options),
      loader_language_(options.language),
      volumes_(volumes),
      box_messages_(std::make_unique<MessageBoxMessages>(this)),
      messages_(box_messages_.get()),
      library_loads_(LibraryLoads) {
  for (std::string_view name : kLyfsDirectoryNames) catalogue_.AddDirectoryName(name);
  catalogue_.AddExtension(kRecordingExtension);
  setWindowTitle(QStringLiteral("Vantrel Viewer"));
  const QImage icon = LoadSkinImage(kApplicationIcon);
  if (!icon.isNull()) setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  setMinimumSize(kMinimumWidth, kMinimumHeight);
  setMouseTracking(true);

  CreateControls();
  CreateMapWindows(playback);
  ApplyLanguage(LanguageIndex());
  CentreOnScreen();
  ApplyLayout();
  list_->SetUp(LanguageIndex());
  CreatePlayback(playback);
  loading_ = std::make_unique<SourceLoading>(*this, volumes_, timings, std::move(picker));
  output_ = std::make_unique<OutputCommands>(OutputHost{
      this, *playback_, [this]() -> const MediaGraph* { return controller_->graph(); }, catalogue_,
      *list_, options_, [this]() -> UserMessages& { return *messages_; }, ProcessTelemetryStore()});
  // The report's map picture is the docked or popped-out web map as it shows now; without a web
  // map the report leaves the picture out.
  output_->SetMapPictureSource([this] { return map_view_ ? map_view_->GrabPicture() : QImage(); });
  ConnectControls();
  SetInitialState();
  // The surfaces are placed for the first layout; they show once a recording plays.
  controller_->LayoutChanged();
  initialised_ = true;
  setAcceptDrops(true);
  // Keys are seen here before the control with the focus gets them.
  qApp->installEventFilter(this);
}

CRecboxViewerDlg::~CRecboxViewerDlg() {
  qApp->removeEventFilter(this);
  volumes_.RemoveListener(volume_listener_);
  // However the window went, nothing may go on playing into it. The controller goes before the
  // surfaces its graph presents into.
  playback_->Shutdown();
}

void CRecboxViewerDlg::CreatePlayback(const PlaybackSetup& setup) {
  graph_components_ =
      setup.use_sound_card && platform::SoundCardPresent()
          ? std::make_unique<StandardGraphComponents>(AudioOutputFactory(platform::OpenSoundCard))
          : std::make_unique<StandardGraphComponents>(false);
  view_ = std::make_unique<WindowPlaybackView>(*this);
  // Runs on loader threads: it uses only what it captured, which lives as long as the window.
  GraphFactory make_graph = [components = graph_components_.get(), front = surfaces_[0],
                             rear = surfaces_[1], time = setup.time] {
    auto graph = std::make_unique<MediaGraph>(*components, nullptr, time);
    graph->AttachWindows(front, rear);
    return graph;
  };
  auto library_loads = [this] { return LibraryLoads(loader_language_.load()); };
  controller_ = std::make_unique<PlaybackController>(PlaybackControllerParts{
      *view_, *list_, *list_, catalogue_, ProcessTelemetryStore(), options_, *view_, ui_thread_,
      tick_timer_, delay_timer_, std::move(make_graph), TempFolder(), std::move(library_loads),
      [this] { return MapAvailable(); }, setup.timings});
  playback_ = setup.commands ? setup.commands : controller_.get();
}

void CRecboxViewerDlg::ConnectControls() {
  for (auto& [id, button] : buttons_) {
    connect(button, &QAbstractButton::clicked, this, [this, id = id] { OnCommand(id); });
  }
  for (auto& [id, slider] : small_sliders_) {
    connect(slider, &QSlider::sliderMoved, this, [this, id = id](int position) {
      if (!Loading()) playback_->SliderMoved(id, position);
    });
  }
  connect(seek_slider_, &CRbSliderCtrl::seekRequested, this, [this](int ms) {
    if (!Loading()) playback_->SliderMoved(kSeekSliderId, ms);
  });
  connect(seek_slider_, &CRbSliderCtrl::released, this, [this] {
    if (!Loading()) playback_->SeekSliderReleased(seek_slider_->value());
    list_->setFocus();
  });
  connect(list_, &CRbListCtrl::rowDoubleClicked, this, [this](int row) {
    if (!Loading()) playback_->DelayedOpen(row);
  });
  connect(list_, &CRbListCtrl::rowClicked, this, [this](int) {
    if (!Loading()) list_->setFocus();
  });
  connect(list_, &CRbListCtrl::filesDropped, this,
          [this](const QStringList& paths) { Drop(paths); });
  for (CRbScreenCtrl* surface : surfaces_) {
    connect(surface, &CRbScreenCtrl::playbackMenuRequested, this,
            [this](QPoint global_position) { ShowPlaybackMenu(global_position); });
  }
  connect(gsensor_graph_, &CRbGsensorCtrl::playbackMenuRequested, this,
          [this](QPoint global_position) { ShowPlaybackMenu(global_position); });
  volume_listener_ = volumes_.AddListener([this](const platform::VolumeChange& change) {
    if (change.event == platform::VolumeEvent::kRemoved) VolumeRemoved(change.root);
  });
}

void CRecboxViewerDlg::VolumeRemoved(const std::string& root) {
  // A recording of the card being opened right now is dropped once its loader ends, instead of
  // being played from a card that is gone.
  if (controller_->Loading() && !root.empty() && root == loading_->source_root()) {
    controller_->PlayingCardRemoved();
  }
  loading_->VolumeRemoved(root);
}

void CRecboxViewerDlg::OnSetVolumeMessage(int step) { controller_->SetVolumeMessage(step); }

void CRecboxViewerDlg::OnSeekMessage(int milliseconds) { controller_->SeekMessage(milliseconds); }

void CRecboxViewerDlg::OnRepaintFiltersMessage() { controller_->RepaintFiltersMessage(); }

void CRecboxViewerDlg::ShowMapBlock(MapBlockState state) {
  // A recording without GPS data has nothing for the pop-up to show.
  if (state == MapBlockState::kNoData && map_placement_ != MapPlacement::kDocked) {
    DockMap(layout_mode());
  }
  if (state == map_state_) return;
  map_state_ = state;
  ApplyLayout();
}

void CRecboxViewerDlg::OpenPaths(const QStringList& paths) { Drop(paths); }

void CRecboxViewerDlg::Drop(const QStringList& paths) {
  if (Loading() || paths.isEmpty()) return;
  loading_->Drop(paths);
}

void CRecboxViewerDlg::OnCommand(int id) {
  if (id == button_id::kClose) {
    CloseViewer();
    return;
  }
  if (Loading()) return;
  if (const std::optional<ListFilter> filter = FilterOfCommand(id)) {
    RunFilter(*filter);
    return;
  }
  if (IsPlaybackCommand(id)) {
    playback_->Command(id);
    return;
  }
  switch (id) {
    case button_id::kOpen:
    case kMenuOpenCommand:
      loading_->OpenCommand();
      break;
    case button_id::kSaveCopy:
      output_->SaveCopy();
      break;
    case button_id::kCapture:
      output_->Capture();
      break;
    case button_id::kLayoutToggle:
      ToggleLayout();
      break;
    case button_id::kPrint:
      output_->Print();
      break;
    case button_id::kSetting:
      RunSettings();
      break;
    case button_id::kZoom:
      zoom_->Toggle();
      break;
    case button_id::kAbout:
      ShowAboutBox();
      break;
    case button_id::kMin:
      showMinimized();
      break;
    case button_id::kMax:
      if (isMaximized()) {
        showNormal();
      } else {
        showMaximized();
      }
      break;
    case button_id::kMap:
      PopOutMap();
      break;
    default:
      break;
  }
}

void CRecboxViewerDlg::RunFilter(ListFilter filter) {
  // The recording last opened is looked for again in the new rows.
  const FilterCommandState state{Loading(), filter_flags_, controller_->current_recording_label()};
  const FilterTargets targets{catalogue_, *list_, *list_, *filter_buttons_};
  RunFilterCommand(filter, state, targets, LanguageTextLookup(LanguageIndex()));
}

void CRecboxViewerDlg::ToggleLayout() {
  layout_mode_ = layout_mode_ == kFullLayout ? kCompactLayout : kFullLayout;
  // Everything moves at once; the window is not hidden, which would end a modal run.
  setUpdatesEnabled(false);
  ApplyLayout();
  setUpdatesEnabled(true);
  playback_->LayoutChanged();
}

void CRecboxViewerDlg::CloseViewer() {
  playback_->Shutdown();
  const std::string temp = TempFolder();
  if (!temp.empty()) EmptyFolderFiles(temp);
  done(QDialog::Accepted);
}

bool CRecboxViewerDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget == this || isAncestorOf(widget)) return HandleKey(static_cast<QKeyEvent*>(event));
  }
  return QDialog::eventFilter(watched, event);
}

bool CRecboxViewerDlg::HandleKey(QKeyEvent* event) {
  KeyPress press;
  press.key = KeyOf(event->key());
  press.ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  press.alt = event->modifiers().testFlag(Qt::AltModifier);
  const QString text = event->text();
  press.typed = text.isEmpty() ? 0 : text.at(0).unicode();
  const KeyContext context{playback_->State(), list_->CurrentRow(), list_->RowCount()};
  const KeyAction action = ActionOfKey(press, context);
  if (action == KeyAction::kPass) return false;
  if (const int command = CommandOfKey(action)) OnCommand(command);
  return true;
}

std::unique_ptr<QMenu> CRecboxViewerDlg::ContextMenuAt(const QPoint& pos) {
  if (!RightClickOpensMenu(pos.x(), layout_.right_column.left)) return nullptr;
  return BuildPlaybackMenu(LanguageIndex(), this, [this](int command) { OnCommand(command); });
}

void CRecboxViewerDlg::contextMenuEvent(QContextMenuEvent* event) {
  if (std::unique_ptr<QMenu> menu = ContextMenuAt(event->pos())) menu->exec(event->globalPos());
}

void CRecboxViewerDlg::ShowPlaybackMenu(const QPoint& global_position) {
  std::unique_ptr<QMenu> menu =
      BuildPlaybackMenu(LanguageIndex(), this, [this](int command) { OnCommand(command); });
  if (menu) menu->exec(global_position);
}

}  // namespace vantrel::ui
