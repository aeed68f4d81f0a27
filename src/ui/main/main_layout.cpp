#include "ui/main/main_layout.h"

#include <algorithm>
#include <array>
#include <utility>

#include "ui/main/control_ids.h"

namespace vantrel::ui {
namespace {

struct Size {
  int width;
  int height;
};

Size ButtonSize(int id) {
  const ButtonEntry* entry = FindButton(id);
  return entry ? Size{entry->width, entry->height} : Size{0, 0};
}

constexpr Size kSmallSlider{kSmallSliderWidth, kSmallSliderHeight};
constexpr Size kSpeedGauge{131, 43};
constexpr Size kKindLabel{37, 20};
constexpr Size kMapTitle{200, 20};
constexpr Size kMapWindow{279, 200};
constexpr int kGraphHeight = 132;
constexpr int kBottomControlsWidth = 703;
constexpr int kTopButtonStep = 46;
constexpr int kRightColumnWidth = 285;

class Builder {
 public:
  explicit Builder(MainLayout& layout) : layout_(layout) {}

  void Put(Control control, int x, int y, Size size, Visibility visibility = Visibility::kKeep) {
    layout_.placements.push_back({control, Rect::At(x, y, size.width, size.height), visibility});
  }
  void Put(Control control, const Rect& rect, Visibility visibility = Visibility::kKeep) {
    layout_.placements.push_back({control, rect, visibility});
  }
  // Hidden where it is: no place of its own in this layout.
  void Hide(Control control) {
    layout_.placements.push_back({control, std::nullopt, Visibility::kHide});
  }

 private:
  MainLayout& layout_;
};

Visibility ShownIf(bool shown) { return shown ? Visibility::kShow : Visibility::kHide; }

// The controls along the top, right to left from the Close button.
constexpr std::array<std::pair<Control, int>, 11> kTopButtons = {{
    {Control::kClose, button_id::kClose},
    {Control::kMax, button_id::kMax},
    {Control::kMin, button_id::kMin},
    {Control::kAbout, button_id::kAbout},
    {Control::kSetting, button_id::kSetting},
    {Control::kLayoutToggle, button_id::kLayoutToggle},
    {Control::kZoom, button_id::kZoom},
    {Control::kPrint, button_id::kPrint},
    {Control::kCapture, button_id::kCapture},
    {Control::kSaveCopy, button_id::kSaveCopy},
    {Control::kOpen, button_id::kOpen},
}};

void PlaceStrips(const MainLayout& layout, Builder& put) {
  put.Put(Control::kSeekSlider, SeekSliderRect(layout.control_strip));

  const int x0 = layout.status_strip.right;
  const int y0 = layout.status_strip.top;
  put.Put(Control::kAllChannels, x0 - 42, y0 + 10, ButtonSize(button_id::kAllChannels));
  put.Put(Control::kRear, x0 - 84, y0 + 10, ButtonSize(button_id::kRear));
  put.Put(Control::kFront, x0 - 126, y0 + 10, ButtonSize(button_id::kFront));
  put.Put(Control::kMute, x0 - 304, y0 + 19, ButtonSize(button_id::kMute));
  put.Put(Control::kVolumeSlider, x0 - 275, y0 + 15, kSmallSlider);
  put.Put(Control::kTimeReadout, layout.status_strip.left, y0 + 20, {330, 20});

  const Rect& bottom = layout.bottom_strip;
  const int x1 = bottom.left + (bottom.Width() - kBottomControlsWidth) / 2;
  const int y1 = bottom.top;
  put.Put(Control::kPrev, x1, y1 + 10, ButtonSize(button_id::kPrev));
  put.Put(Control::kRewind, x1 + 45, y1 + 10, ButtonSize(button_id::kRewind));
  put.Put(Control::kPlay, x1 + 90, y1 + 10, ButtonSize(button_id::kPlay));
  put.Put(Control::kPause, x1 + 90, y1 + 10, ButtonSize(button_id::kPause));
  put.Put(Control::kFastForward, x1 + 135, y1 + 10, ButtonSize(button_id::kFastForward));
  put.Put(Control::kNext, x1 + 180, y1 + 10, ButtonSize(button_id::kNext));
  put.Put(Control::kSpeed, x1 + 224, y1 + 12, ButtonSize(button_id::kSpeed));
  put.Put(Control::kSpeedSlider, x1 + 253, y1 + 10, kSmallSlider);
  put.Put(Control::kBright, x1 + 397, y1 + 12, ButtonSize(button_id::kBright));
  put.Put(Control::kBrightnessSlider, x1 + 426, y1 + 10, kSmallSlider);
  put.Put(Control::kSpeedGauge, x1 + 567, y1 + 5, kSpeedGauge);
}

void PlaceFullLayout(const LayoutInputs& in, MainLayout& layout, Builder& put) {
  const int w = in.width;
  const int h = in.height;
  layout.video_area = {25, 61, w - 324, h - 317};
  layout.control_strip = {25, h - 317, w - 324, h - 265};
  layout.status_strip = {25, h - 265, w - 324, h - 205};
  layout.gsensor_band = {25, h - 205, w - 324, h - 53};
  layout.bottom_strip = {25, h - 53, w - 324, h};

  for (size_t i = 0; i < kTopButtons.size(); ++i) {
    const int x = w - kTopButtonStep * static_cast<int>(i + 1);
    put.Put(kTopButtons[i].first, x, 12, ButtonSize(kTopButtons[i].second), Visibility::kShow);
  }
  put.Put(Control::kGsensorGraph, layout.gsensor_band.left, layout.gsensor_band.top,
          {layout.video_area.Width(), kGraphHeight}, Visibility::kShow);
  put.Put(Control::kGsensorReadout, 28, h - 73, {400, 20}, Visibility::kShow);

  const int column = w - kRightColumnWidth;
  layout.right_column = {column, 49, w, h};
  put.Put(Control::kListCaption, column, 57, {50, 15}, Visibility::kShow);
  const std::array<std::pair<Control, Control>, 4> filters = {{
      {Control::kFilterAll, Control::kKindAll},
      {Control::kFilterEvent, Control::kKindEvent},
      {Control::kFilterNormal, Control::kKindNormal},
      {Control::kFilterParking, Control::kKindParking},
  }};
  const Size filter_size = ButtonSize(button_id::kFilterAll);
  for (size_t i = 0; i < filters.size(); ++i) {
    const int x = w - 228 + 56 * static_cast<int>(i);
    put.Put(filters[i].first, x, 55, filter_size, Visibility::kShow);
    put.Put(filters[i].second, x + 19, 55, kKindLabel, Visibility::kShow);
  }
  const Rect list{column, 83, column + 267, h - 263};
  put.Put(Control::kList, list, Visibility::kShow);
  // The blocks take in the list's scroll bar, which stands at the list's right edge.
  layout.list_block = {column, 49, w, list.bottom};
  layout.map_block = {column, h - 263, w, h};

  put.Put(Control::kMapTitle, column, h - 257, kMapTitle, ShownIf(in.map_docked));
  put.Put(Control::kMapButton, w - 52, h - 261, ButtonSize(button_id::kMap),
          ShownIf(in.map_docked && in.map_state == MapBlockState::kMap));
  put.Put(Control::kMapPanel, w - 283, h - 228, kMapWindow,
          ShownIf(in.map_state == MapBlockState::kMap));
  put.Put(Control::kMapNoData, w - 283, h - 228, kMapWindow,
          ShownIf(in.map_state == MapBlockState::kNoData));
  put.Put(Control::kMapNotConnected, w - 283, h - 228, kMapWindow,
          ShownIf(in.map_state == MapBlockState::kNotConnected));
  put.Put(Control::kPositionReadout, w - 283, h - 18, {275, 15}, ShownIf(in.map_docked));
}

void PlaceCompactLayout(const LayoutInputs& in, MainLayout& layout, Builder& put) {
  const int w = in.width;
  const int h = in.height;
  layout.video_area = {0, 0, w, h - 145};
  layout.control_strip = {0, h - 145, w - 10, h - 93};
  layout.status_strip = {0, h - 93, w - 10, h - 53};
  layout.gsensor_band = {};
  layout.bottom_strip = {0, h - 53, w, h};
  layout.right_column = {w, 0, w, h};

  for (const auto& [control, id] : kTopButtons) {
    if (control == Control::kLayoutToggle) {
      put.Put(control, w - 50, h - 43, ButtonSize(id), Visibility::kShow);
    } else {
      put.Hide(control);
    }
  }
  for (Control control :
       {Control::kGsensorGraph, Control::kGsensorReadout, Control::kListCaption,
        Control::kFilterAll, Control::kFilterEvent, Control::kFilterNormal, Control::kFilterParking,
        Control::kKindAll, Control::kKindEvent, Control::kKindNormal, Control::kKindParking,
        Control::kList, Control::kMapTitle, Control::kMapButton, Control::kMapPanel,
        Control::kMapNoData, Control::kMapNotConnected, Control::kPositionReadout}) {
    put.Hide(control);
  }
}

}  // namespace

const Placement* MainLayout::Find(Control control) const {
  auto it = std::find_if(placements.begin(), placements.end(),
                         [control](const Placement& p) { return p.control == control; });
  return it == placements.end() ? nullptr : &*it;
}

Rect SeekSliderRect(const Rect& control_strip) {
  const int strip_width = control_strip.Width();
  const int column =
      std::max(0, (strip_width - kGraphRightMargin - kGraphLeftMargin) / kGraphColumns);
  const int plot_right = kGraphLeftMargin + kGraphColumns * column;
  return Rect::At(control_strip.left + kGraphLeftMargin - kSeekEndInset + 2, control_strip.top + 20,
                  plot_right + 2 * kSeekEndInset - kGraphLeftMargin, 19);
}

MainLayout ComputeLayout(const LayoutInputs& inputs) {
  MainLayout layout;
  layout.mode = inputs.mode == kCompactLayout ? kCompactLayout : kFullLayout;
  Builder put(layout);
  if (layout.mode == kCompactLayout) {
    PlaceCompactLayout(inputs, layout, put);
  } else {
    PlaceFullLayout(inputs, layout, put);
  }
  PlaceStrips(layout, put);
  return layout;
}

}  // namespace vantrel::ui
