// The main window's controls as data: their ids, sizes, tool-tip texts and skin images. The
// window creates its controls from these tables, so a control's look is changed here only.
#pragma once

#include <array>

#include "playback/playback_commands.h"
#include "ui/skin/skin_image_ids.h"

namespace vantrel::ui {

// Button ids. Several child windows that are not buttons reuse numbers of this range (the video
// surfaces 1004/1005, the map panel 1006, the text panels 1007-1017): an id is unique only among
// controls of the same kind. The playback buttons' ids are the commands they send.
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
inline constexpr int kPrev = playback_command::kPrev;
inline constexpr int kRewind = playback_command::kRewind;
inline constexpr int kPlay = playback_command::kPlay;
inline constexpr int kFastForward = playback_command::kFastForward;
inline constexpr int kPause = playback_command::kPause;
inline constexpr int kNext = playback_command::kNext;
inline constexpr int kSpeed = playback_command::kSpeedDefault;
inline constexpr int kBright = playback_command::kBrightDefault;
inline constexpr int kMute = playback_command::kMute;
inline constexpr int kMap = 1020;
inline constexpr int kFilterAll = 1021;
inline constexpr int kFilterEvent = 1022;
inline constexpr int kFilterNormal = 1023;
inline constexpr int kFilterParking = 1024;
inline constexpr int kFront = playback_command::kFront;
inline constexpr int kRear = playback_command::kRear;
inline constexpr int kAllChannels = playback_command::kAllChannels;
inline constexpr int kSaveCopy = 1156;
}  // namespace button_id

inline constexpr int kListId = 1003;
inline constexpr int kMapPanelId = 1006;

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

struct PanelEntry {
  int id;
  int type;
};
inline constexpr std::array<PanelEntry, 9> kTextPanels = {{{panel_id::kTimeReadout, 1},
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

struct ButtonEntry {
  int id;
  int width;
  int height;
  int tool_tip;  // language text id; 0 for a button without a tool tip
  ButtonImages images;
};

// Every button of the main window. The channel buttons' faces depend on the language
// (ChannelButtonImages of the skin) and are empty here.
inline constexpr std::array<ButtonEntry, 28> kButtons = {{
    {button_id::kOpen, kTopButtonSize, kTopButtonSize, 101, kOpenImages},
    {button_id::kSaveCopy, kTopButtonSize, kTopButtonSize, 272, kSaveCopyImages},
    {button_id::kCapture, kTopButtonSize, kTopButtonSize, 102, kCaptureImages},
    {button_id::kLayoutToggle, kTopButtonSize, kTopButtonSize, 107, kLayoutToggleImages},
    {button_id::kPrint, kTopButtonSize, kTopButtonSize, 105, kPrintImages},
    {button_id::kSetting, kTopButtonSize, kTopButtonSize, 106, kSettingImages},
    {button_id::kZoom, kTopButtonSize, kTopButtonSize, 208, kZoomImages},
    {button_id::kAbout, kTopButtonSize, kTopButtonSize, 198, kAboutImages},
    {button_id::kMin, kCaptionButtonWidth, kTopButtonSize, 108, kMinImages},
    {button_id::kMax, kCaptionButtonWidth, kTopButtonSize, 107, kMaxImages},
    {button_id::kClose, kCaptionButtonWidth, kTopButtonSize, 209, kCloseImages},
    {button_id::kPrev, kPlaybackButtonSize, kPlaybackButtonSize, 115, kPrevImages},
    {button_id::kRewind, kPlaybackButtonSize, kPlaybackButtonSize, 116, kRewindImages},
    {button_id::kPlay, kPlaybackButtonSize, kPlaybackButtonSize, 117, kPlayImages},
    {button_id::kPause, kPlaybackButtonSize, kPlaybackButtonSize, 118, kPauseImages},
    {button_id::kFastForward, kPlaybackButtonSize, kPlaybackButtonSize, 119, kForwardImages},
    {button_id::kNext, kPlaybackButtonSize, kPlaybackButtonSize, 120, kNextImages},
    {button_id::kSpeed, kSmallButtonWidth, kSmallButtonHeight, 121, kSpeedImages},
    {button_id::kBright, kSmallButtonWidth, kSmallButtonHeight, 122, kBrightImages},
    {button_id::kMute, kSmallButtonWidth, kSmallButtonHeight, 124, kMuteImages},
    {button_id::kMap, kPlaybackButtonSize, kPlaybackButtonSize, 0, kMapImages},
    {button_id::kFilterAll, kFilterButtonWidth, kFilterButtonHeight, 131, kFilterImages},
    {button_id::kFilterEvent, kFilterButtonWidth, kFilterButtonHeight, 132, kFilterImages},
    {button_id::kFilterNormal, kFilterButtonWidth, kFilterButtonHeight, 133, kFilterImages},
    {button_id::kFilterParking, kFilterButtonWidth, kFilterButtonHeight, 134, kFilterImages},
    {button_id::kFront, kChannelButtonWidth, kChannelButtonHeight, 112, {}},
    {button_id::kRear, kChannelButtonWidth, kChannelButtonHeight, 113, {}},
    {button_id::kAllChannels, kChannelButtonWidth, kChannelButtonHeight, 114, {}},
}};

// The button of `id`, or none.
constexpr const ButtonEntry* FindButton(int id) {
  for (const ButtonEntry& entry : kButtons) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

// The speed, brightness and volume sliders.
struct SliderEntry {
  int id;
  int tool_tip;
};
inline constexpr int kSmallSliderWidth = 127;
inline constexpr int kSmallSliderHeight = 30;
inline constexpr std::array<SliderEntry, 3> kSmallSliders = {
    {{kSpeedSliderId, 111}, {kBrightnessSliderId, 123}, {kVolumeSliderId, 125}}};

}  // namespace vantrel::ui
