// Where the sliders' pieces are drawn and which position a mouse x means (what the speed and
// brightness positions stand for is playback/slider_values.h). No Qt here so that the
// arithmetic is tested directly.
#pragma once

namespace vantrel::ui {

// The small sliders (speed, brightness, volume) run over 0..100 and start in the middle.
inline constexpr int kSimpleSliderMaximum = 100;
inline constexpr int kSimpleSliderPage = 10;
inline constexpr int kSimpleSliderMiddle = 50;

// The seek slider's value under a mouse x: x x maximum / width, kept inside 0..maximum (the
// pointer may be dragged past either end). 0 when the slider has no width or no range.
int SeekPositionAt(int x, int width, int maximum);

// The width of the seek slider's fill over a track of `width` with the thumb's share `inset`:
// position x (width - inset) / maximum + 7, inside 0..width. 0 when there is no range.
int SeekFillWidth(int position, int maximum, int width, int inset);

// The width of a small slider's fill over its 100-pixel track: position x 100 / maximum, inside
// 0..100. 0 when there is no range.
int SimpleFillWidth(int position, int maximum);

}  // namespace vantrel::ui
