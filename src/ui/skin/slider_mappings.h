// What the sliders' positions mean and where their pieces are drawn. No Qt here so that the
// arithmetic is tested directly.
#pragma once

namespace vantrel::ui {

// The small sliders (speed, brightness, volume) run over 0..100 and start in the middle.
inline constexpr int kSimpleSliderMaximum = 100;
inline constexpr int kSimpleSliderPage = 10;
inline constexpr int kSimpleSliderMiddle = 50;

// The playback rate of a speed-slider position: 0.1 at 0, 1.0 at 50, 4.0 at 100, in two straight
// pieces. Positions outside 0..100 count as the nearest end.
float RateFromSlider(int position);

// The brightness offset of a brightness-slider position: (position - 50) x 5.1 truncated toward
// zero, so -255 at 0, 0 at 50 and 255 at 100. Positions outside 0..100 count as the nearest end.
int BrightnessFromSlider(int position);

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
