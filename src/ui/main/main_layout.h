// The main window's two layouts: the full one (video, G-sensor graph, list, map) and the compact
// one (video only). For a client size it gives the window's areas and where every control goes
// and whether the layout shows it; the window applies the result in one go.
#pragma once

#include <optional>
#include <vector>

#include "ui/main/layout_rect.h"

namespace vantrel::ui {

inline constexpr int kFullLayout = 1;
inline constexpr int kCompactLayout = 2;

// The things the layout places. Ids are not unique across control kinds, hence a name each.
enum class Control {
  kOpen,
  kSaveCopy,
  kCapture,
  kPrint,
  kZoom,
  kLayoutToggle,
  kSetting,
  kAbout,
  kMin,
  kMax,
  kClose,
  kGsensorGraph,
  kGsensorReadout,
  kListCaption,
  kFilterAll,
  kFilterEvent,
  kFilterNormal,
  kFilterParking,
  kKindAll,
  kKindEvent,
  kKindNormal,
  kKindParking,
  kList,
  kMapTitle,
  kMapButton,
  kMapPanel,
  kMapNoData,
  kMapNotConnected,
  kPositionReadout,
  kSeekSlider,
  kFront,
  kRear,
  kAllChannels,
  kMute,
  kVolumeSlider,
  kTimeReadout,
  kPrev,
  kRewind,
  kPlay,
  kPause,
  kFastForward,
  kNext,
  kSpeed,
  kSpeedSlider,
  kBright,
  kBrightnessSlider,
  kSpeedGauge,
};

// What the map block shows for the opened recording.
enum class MapBlockState { kNoData, kMap, kNotConnected };

// kKeep: the layout leaves the control's visibility to whoever owns it (playback shows the channel
// buttons of a two-channel recording, swaps Play and Pause, and so on).
enum class Visibility { kKeep, kShow, kHide };

struct Placement {
  Control control;
  std::optional<Rect> rect;  // none: stays where it is
  Visibility visibility;
};

struct LayoutInputs {
  int mode = kFullLayout;
  int width = 0;  // client size
  int height = 0;
  bool map_docked = true;  // the map lives in the window, not in its pop-up
  MapBlockState map_state = MapBlockState::kNoData;
};

struct MainLayout {
  int mode = kFullLayout;
  Rect video_area;
  Rect control_strip;
  Rect status_strip;
  Rect gsensor_band;  // empty in the compact layout
  Rect bottom_strip;
  // The list, filters and map block. Right clicks left of it open the playback menu; in the
  // compact layout it is hidden and starts at the window's right edge.
  Rect right_column;
  Rect list_block;  // background blocks of the right column, full layout only
  Rect map_block;
  std::vector<Placement> placements;

  const Placement* Find(Control control) const;
};

// Seek-slider width reserved at each end for the thumb, and the G-sensor graph's plot margins and
// columns: the slider's track is lined up with the graph's time axis.
inline constexpr int kSeekEndInset = 15;
inline constexpr int kGraphLeftMargin = 20;
inline constexpr int kGraphRightMargin = 10;
inline constexpr int kGraphColumns = 12;

// The seek slider in a control strip.
Rect SeekSliderRect(const Rect& control_strip);

MainLayout ComputeLayout(const LayoutInputs& inputs);

}  // namespace vantrel::ui
