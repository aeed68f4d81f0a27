// The arithmetic of the list's skinned scroll bar: where its thumb sits for a scroll position,
// which part a press hits, and the position a dragged thumb asks for. Heights in pixels,
// positions in rows.
#pragma once

namespace vantrel::ui {

inline constexpr int kScrollBarWidth = 18;
inline constexpr int kScrollArrowHeight = 19;
// The part of the bar that reacts as the thumb, from its top.
inline constexpr int kScrollThumbExtent = 6;
// A dragged thumb is held this far below its top.
inline constexpr int kScrollThumbGrip = 9;

// Track pixels per row; 0 when there is nothing to scroll (limit 0 or less) or no track.
double ScrollScale(int height, int limit);

// The thumb's top for a scroll position; it stays at the top when there is nothing to scroll,
// and never runs into the bottom arrow.
int ScrollThumbTop(int height, int limit, int position);

// The thumb's top clamped between the arrows.
int ClampScrollThumb(int height, int thumb_top);

// The scroll position a thumb dragged to thumb_top asks for; none (-1) when nothing scrolls.
int ScrollTargetOfThumb(int thumb_top, double scale);

enum class ScrollBarPart { kUpArrow, kDownArrow, kThumb, kPageUp, kPageDown, kNone };

// What a press at y hits.
ScrollBarPart ScrollBarPartAt(int y, int height, int thumb_top);

}  // namespace vantrel::ui
