#include "ui/main/channel_surfaces.h"

namespace vantrel::ui {

Rect FitSixteenByNine(const Rect& area) {
  const int width = area.Width();
  const int height_for_width = width * 9 / 16;
  const int height = area.Height();
  if (height_for_width < height) {
    return Rect::At(area.left, area.top + (height - height_for_width) / 2, width, height_for_width);
  }
  const int width_for_height = height * 16 / 9;
  return Rect::At(area.left + (width - width_for_height) / 2, area.top, width_for_height, height);
}

SurfacePlacement PlaceSurfaces(int channel_mode, const Rect& video_area) {
  SurfacePlacement placement;
  if (channel_mode == kChannelAll) {
    const int half = video_area.Width() / 2;
    placement.front = FitSixteenByNine(
        Rect{video_area.left, video_area.top, video_area.left + half, video_area.bottom});
    placement.rear = FitSixteenByNine(Rect{video_area.left + half, video_area.top,
                                           video_area.left + 2 * half, video_area.bottom});
    placement.front_shown = true;
    placement.rear_shown = true;
  } else if (channel_mode == kChannelRear) {
    placement.rear = FitSixteenByNine(video_area);
    placement.rear_shown = true;
  } else {
    placement.front = FitSixteenByNine(video_area);
    placement.front_shown = true;
  }
  return placement;
}

}  // namespace vantrel::ui
