#include "telemetry/gsensor_plot.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {
namespace {

// A raw count times this is g; +-2 g fill the half height.
constexpr double kGPerCount = 0.0315;
constexpr double kHalfHeightPerG = 0.5;

}  // namespace

GraphLayout LayoutGraph(int client_width, int client_height) {
  GraphLayout layout;
  layout.left = kGraphLeftMargin;
  layout.top = kGraphTop;
  layout.bottom = client_height - kGraphBottomMargin;
  layout.column_width =
      std::max(0, (client_width - kGraphRightMargin - kGraphLeftMargin) / kGraphColumns);
  layout.right = layout.left + kGraphColumns * layout.column_width;
  layout.middle = layout.top + (layout.bottom - layout.top) / 2;
  return layout;
}

std::array<std::vector<GraphPoint>, 3> GraphCurves(const GraphLayout& layout,
                                                   const RecordArray<GsensorRecord>& samples) {
  std::array<std::vector<GraphPoint>, 3> curves;
  if (samples.empty()) return curves;
  const uint32_t last_time = samples[samples.size() - 1].time_stamp;
  // With every sample at time 0 there is no time line to spread them over.
  const double scale_x =
      last_time == 0 ? 0.0 : static_cast<double>(layout.right - layout.left) / last_time;
  const int half_height = (layout.bottom - layout.top) / 2;
  const double scale_y = half_height * kHalfHeightPerG;
  const int highest = std::min(layout.top, layout.bottom);
  const int lowest = std::max(layout.top, layout.bottom);
  for (int axis = 0; axis < 3; ++axis) {
    std::vector<GraphPoint>& points = curves[axis];
    points.push_back({layout.left, layout.middle});
    for (const GsensorRecord& sample : samples) {
      if (sample.time_stamp > last_time) continue;
      const int value = axis == 0 ? sample.x : axis == 1 ? sample.y : sample.z;
      const int x = static_cast<int>(layout.left + scale_x * sample.time_stamp);
      const int y = static_cast<int>(layout.middle - value * kGPerCount * scale_y);
      points.push_back({x, std::clamp(y, highest, lowest)});
    }
    if (last_time != 0) points.push_back({layout.right, points.back().y});
  }
  return curves;
}

}  // namespace vantrel
