// The main window's controls as data: their ids, sizes, tool-tip texts and skin images. The
// window creates its controls from these tables, so a control's look is changed here only.
#pragma once

#include <array>
#include <optional>

namespace vantrel::ui {

// Button ids. Several child windows that are not buttons reuse numbers of this range (the video
// surfaces 1004/1005, the map panel 1006, the text panels 1007-1017): an id is unique only among
// controls of the same kind.
namespace button_id {
inline constexpr int kOpen = 1000;
inline constexpr int kCapture = 1001;
inline constexpr int kLayoutToggle = 1002;
inline constexpr int kPrint = 1004;
inline constexpr int kSetting = 1005;
inline constexpr int kZoom = 1006;
inline constexpr int kAbout = 1007;
inline constexpr int kMin = 1008;
inline constexpr int kMax = 1009;
inline constexpr int kClose = 1010;
inline constexpr int kPrev = 1011;
inline constexpr int kRewind = 1012;
inline constexpr int kPlay = 1013;
inline constexpr int kFastForward = 1014;
inline constexpr int kPause = 1015;
inline constexpr int kNext = 1016;
inline constexpr int kSpeed = 1017;
inline constexpr int kBright = 1018;
inline constexpr int kMute = 1019;
inline constexpr int kMap = 1020;
inline constexpr int kFilterAll = 1021;
inline constexpr int kFilterEvent = 1022;
inline constexpr int kFilterNormal = 1023;
inline constexpr int kFilterParking = 1024;
inline constexpr int kFront = 1025;
inline constexpr int kRear = 1027;
inline constexpr int kAllChannels = 1028;
inline constexpr int kSaveCopy = 1156;
}  // namespace button_id

inline constexpr int kListId = 1003;
inline constexpr int kFrontSurfaceId = 1004;
inline constexpr int kRearSurfaceId = 1005;
inline constexpr int kMapPanelId = 1006;
inline constexpr int kMapViewId = 2091;

// Text panels: id and panel type.
namespace panel_id {
inline constexpr int kTimeReadout = 1007;
inline constexpr int kGsensorReadout = 1008;
inline constexpr int kMapTitle = 1009;
inline constexpr int kPositionReadout = 1010;
inline constexpr int kListCaption = 1013;
inline constexpr int kKindAll = 1014;
inline constexpr int kKindEvent = 1015;
inline constexpr int kKindNormal = 1016;
inline constexpr int kKindParking = 1017;
}  // namespace panel_id

struct PanelSpec {
  int id;
  int type;
};
inline constexpr std::array<PanelSpec, 9> kTextPanels = {{{panel_id::kTimeReadout, 1},
                                                          {panel_id::kGsensorReadout, 2},
                                                          {panel_id::kMapTitle, 3},
                                                          {panel_id::kPositionReadout, 4},
                                                          {panel_id::kListCaption, 7},
                                                          {panel_id::kKindAll, 10},
                                                          {panel_id::kKindEvent, 11},
                                                          {panel_id::kKindNormal, 12},
                                                          {panel_id::kKindParking, 13}}};

// Context-menu commands that the window handles itself; the playback ones are in
// playback/playback_commands.h, the filter ones in catalogue/list_filter.h.
inline constexpr int kMenuOpenCommand = 32810;

// The skin images of a button in slot order: normal, pressed, hover, disabled, selected (0: none).
using ButtonImages = std::array<int, 5>;

struct ButtonSpec {
  int id;
  int width;
  int height;
  int tool_tip;  // language text id; 0 for a button without a tool tip
  ButtonImages images;
};

// Every button of the main window. The channel buttons' images depend on the language
// (ChannelButtonImages) and are empty here.
inline constexpr std::array<ButtonSpec, 28> kButtons = {{
    {button_id::kOpen, 36, 36, 101, {19101, 19102, 19103, 0, 0}},
    {button_id::kSaveCopy, 36, 36, 272, {19294, 19295, 19296, 19297, 0}},
    {button_id::kCapture, 36, 36, 102, {19111, 19112, 19113, 19114, 0}},
    {button_id::kLayoutToggle, 36, 36, 107, {19151, 19152, 19153, 0, 0}},
    {button_id::kPrint, 36, 36, 105, {19131, 19132, 19133, 19134, 0}},
    {button_id::kSetting, 36, 36, 106, {19141, 19142, 19143, 0, 0}},
    {button_id::kZoom, 36, 36, 208, {19121, 19122, 19123, 19124, 0}},
    {button_id::kAbout, 36, 36, 198, {19161, 19162, 19163, 0, 0}},
    {button_id::kMin, 44, 36, 108, {18101, 18102, 18103, 0, 0}},
    {button_id::kMax, 44, 36, 107, {18111, 18112, 18113, 0, 0}},
    {button_id::kClose, 44, 36, 209, {18121, 18122, 18123, 0, 0}},
    {button_id::kPrev, 32, 32, 115, {19171, 19172, 19173, 19174, 0}},
    {button_id::kRewind, 32, 32, 116, {19181, 19182, 19183, 19184, 0}},
    {button_id::kPlay, 32, 32, 117, {19191, 19192, 19193, 19194, 0}},
    {button_id::kPause, 32, 32, 118, {19195, 19196, 19197, 19198, 0}},
    {button_id::kFastForward, 32, 32, 119, {19201, 19202, 19203, 19204, 0}},
    {button_id::kNext, 32, 32, 120, {19211, 19212, 19213, 19214, 0}},
    {button_id::kSpeed, 25, 24, 121, {19221, 19222, 0, 0, 0}},
    {button_id::kBright, 25, 24, 122, {19231, 19232, 0, 0, 0}},
    {button_id::kMute, 25, 24, 124, {19243, 19244, 0, 0, 0}},
    {button_id::kMap, 32, 32, 0, {19251, 19252, 0, 19253, 0}},
    {button_id::kFilterAll, 18, 20, 131, {}},
    {button_id::kFilterEvent, 18, 20, 132, {}},
    {button_id::kFilterNormal, 18, 20, 133, {}},
    {button_id::kFilterParking, 18, 20, 134, {}},
    {button_id::kFront, 42, 32, 112, {}},
    {button_id::kRear, 42, 32, 113, {}},
    {button_id::kAllChannels, 42, 32, 114, {}},
}};

// The mute button while muted.
inline constexpr ButtonImages kMutedImages = {19241, 19242, 0, 0, 0};

// The button of `id`, or none.
constexpr const ButtonSpec* FindButton(int id) {
  for (const ButtonSpec& spec : kButtons) {
    if (spec.id == id) return &spec;
  }
  return nullptr;
}

// The channel buttons' faces in the language (normal and selected slots); none for a language
// without a library, whose buttons then keep the faces they have.
struct ChannelFaces {
  ButtonImages front;
  ButtonImages rear;
  ButtonImages all;
};
constexpr std::optional<ChannelFaces> ChannelButtonImages(int language_index) {
  auto face = [](int normal, int selected) { return ButtonImages{normal, 0, 0, 0, selected}; };
  switch (language_index) {
    case 0:
      return ChannelFaces{face(184, 185), face(186, 187), face(188, 189)};
    case 1:
      return ChannelFaces{face(20031, 20032), face(20041, 20042), face(20051, 20052)};
    case 2:
      return ChannelFaces{face(1112, 1113), face(1114, 1115), face(1116, 1117)};
    case 3:
      return ChannelFaces{face(1135, 1136), face(1137, 1138), face(1139, 1140)};
    default:
      return std::nullopt;
  }
}

// The speed, brightness and volume sliders.
struct SliderSpec {
  int id;
  int tool_tip;
};
inline constexpr int kSmallSliderWidth = 127;
inline constexpr int kSmallSliderHeight = 30;
inline constexpr std::array<SliderSpec, 3> kSmallSliders = {
    {{1033, 111}, {1034, 123}, {1146, 125}}};
inline constexpr int kSmallSliderStart = 50;
// The seek slider keeps this many pixels at each end for its thumb.
inline constexpr int kSeekSliderEndInset = 15;

}  // namespace vantrel::ui
