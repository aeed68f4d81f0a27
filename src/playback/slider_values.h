// What the positions of the speed and brightness sliders (0..100, 50 in the middle) stand for.
#pragma once

namespace vantrel {

// Positions outside 0..100 count as the nearest end.

// 0.1 at 0, 1.0 at 50, 4.0 at 100; the displayed rate. The engine clamps what it plays at.
float RateFromSlider(int position);

// The brightness offset -255..255 (truncated toward zero); 0 at 50.
int BrightnessFromSlider(int position);

}  // namespace vantrel
