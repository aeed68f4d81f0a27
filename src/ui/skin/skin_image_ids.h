// The ids of the skin images the controls and the main window draw, and the image sets of every
// skinned button. The images themselves are generated from resources/skin/skin_images.txt, which
// also fixes their sizes.
#pragma once

#include "ui/skin/button_images.h"

namespace vantrel::ui {

// Window background.
inline constexpr int kTopStripImage = 153;  // 211 x 49; its first 10 columns are the tile
inline constexpr int kTopStripTileWidth = 10;
inline constexpr int kTopStripHeight = 49;
inline constexpr int kTopStripLogoWidth = 211;
inline constexpr int kEmptyVideoImage = 152;  // 677 x 392, the video area of the smallest window
inline constexpr int kTopButtonBackImage = 1057;  // 32 x 17; rows 9..16 continue the top band
inline constexpr int kApplicationIcon = 197;      // 64 x 64

// The frame around the video area: four corners and four edges, each edge a tile stretched along
// its side. The frame lies outside the video area, kVideoFrameWidth pixels thick.
inline constexpr int kVideoFrameWidth = 6;
inline constexpr int kFrameTopLeft = 1148;      // 6 x 6
inline constexpr int kFrameTop = 1149;          // 10 x 6
inline constexpr int kFrameTopRight = 1150;     // 6 x 6
inline constexpr int kFrameLeft = 1151;         // 6 x 10
inline constexpr int kFrameRight = 1152;        // 6 x 10
inline constexpr int kFrameBottomLeft = 1153;   // 6 x 6
inline constexpr int kFrameBottom = 1154;       // 10 x 6
inline constexpr int kFrameBottomRight = 1155;  // 6 x 6
inline constexpr int kFrameEdgeTile = 10;

// Sliders.
inline constexpr int kSeekTrackImage = 1034;    // 677 x 19; right cap at x 667
inline constexpr int kSeekThumbImage = 1036;    // 12 x 22
inline constexpr int kSimpleTrackImage = 1040;  // 100 x 19; right cap at x 90
inline constexpr int kSimpleThumbImage = 1042;  // 12 x 13
inline constexpr int kFillStartImage = 1147;    // 3 x 11
inline constexpr int kFillTileImage = 1055;     // 3 x 11

// The list's scroll bar.
inline constexpr int kScrollUpImage = 163;     // 18 x 19
inline constexpr int kScrollTrackImage = 164;  // 12 x 1, stretched
inline constexpr int kScrollDownImage = 165;   // 18 x 19
inline constexpr int kScrollThumbImage = 167;  // 18 x 19

// The speed gauge: its background (drawn at the gauge's size), the decimal point and the digits
// 0..9, the last two keyed on white.
inline constexpr int kGaugeBackImage = 20011;
inline constexpr int kGaugePointImage = 20012;  // 3 x 19
inline constexpr int kGaugeDigitImages[10] = {20014, 20015, 20016, 20017, 20018,
                                              20019, 20020, 20021, 20022, 20023};
inline constexpr int kGaugeDigitWidth = 13;
inline constexpr int kGaugeDigitHeight = 19;
inline constexpr int kGaugePointWidth = 3;

// Buttons, in slot order (normal, pressed, hover, disabled, selected).
inline constexpr ButtonImages kOpenImages{19101, 19102, 19103, 0, 0};
inline constexpr ButtonImages kCaptureImages{19111, 19112, 19113, 19114, 0};
inline constexpr ButtonImages kSaveCopyImages{19294, 19295, 19296, 19297, 0};
inline constexpr ButtonImages kZoomImages{19121, 19122, 19123, 19124, 0};
inline constexpr ButtonImages kPrintImages{19131, 19132, 19133, 19134, 0};
inline constexpr ButtonImages kSettingImages{19141, 19142, 19143, 0, 0};
inline constexpr ButtonImages kLayoutToggleImages{19151, 19152, 19153, 0, 0};
inline constexpr ButtonImages kAboutImages{19161, 19162, 19163, 0, 0};
inline constexpr ButtonImages kMinImages{18101, 18102, 18103, 0, 0};
inline constexpr ButtonImages kMaxImages{18111, 18112, 18113, 0, 0};
inline constexpr ButtonImages kCloseImages{18121, 18122, 18123, 0, 0};
inline constexpr ButtonImages kPrevImages{19171, 19172, 19173, 19174, 0};
inline constexpr ButtonImages kRewindImages{19181, 19182, 19183, 19184, 0};
inline constexpr ButtonImages kPlayImages{19191, 19192, 19193, 19194, 0};
inline constexpr ButtonImages kPauseImages{19195, 19196, 19197, 19198, 0};
inline constexpr ButtonImages kForwardImages{19201, 19202, 19203, 19204, 0};
inline constexpr ButtonImages kNextImages{19211, 19212, 19213, 19214, 0};
inline constexpr ButtonImages kSpeedImages{19221, 19222, 0, 0, 0};
inline constexpr ButtonImages kBrightImages{19231, 19232, 0, 0, 0};
inline constexpr ButtonImages kMapImages{19251, 19252, 0, 19253, 0};
inline constexpr ButtonImages kMuteImages{19243, 19244, 0, 0, 0};
inline constexpr ButtonImages kMutedImages{19241, 19242, 0, 0, 0};
// The four list filter buttons share one set: an indicator lit while the filter is chosen.
inline constexpr ButtonImages kFilterImages{19261, 19262, 19263, 19264, 19265};

// Button sizes in pixels.
inline constexpr int kTopButtonSize = 36;       // Open, Save copy, Capture, Zoom, ... (36 x 36)
inline constexpr int kCaptionButtonWidth = 44;  // Min, Max, Close (44 x 36)
inline constexpr int kChannelButtonWidth = 42;  // Front, Rear, All (42 x 32)
inline constexpr int kChannelButtonHeight = 32;
inline constexpr int kPlaybackButtonSize = 32;  // Prev ... Next and Map (32 x 32)
inline constexpr int kSmallButtonWidth = 25;    // Speed, Bright, Mute (25 x 24)
inline constexpr int kSmallButtonHeight = 24;
inline constexpr int kFilterButtonWidth = 18;  // the filters (18 x 20)
inline constexpr int kFilterButtonHeight = 20;

enum class Channel { kFront, kRear, kAll };

// The channel button of a language index: its face (slot 1) and its chosen face (slot 5); the
// English faces outside 0..3.
ButtonImages ChannelButtonImages(int language_index, Channel channel);

}  // namespace vantrel::ui
