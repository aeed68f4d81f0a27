// Where the G-sensor graph draws: its grid for a client size, and the three curves of a
// recording's samples (X, Y, Z) as points in client pixels. The graph widget only strokes what
// this computes, so the geometry is checked without a window.
#pragma once

#include <array>
#include <vector>

#include "telemetry/record_array.h"
#include "telemetry/telemetry_records.h"

namespace vantrel {

inline constexpr int kGraphColumns = 12;
inline constexpr int kGraphLeftMargin = 20;
inline constexpr int kGraphRightMargin = 10;
inline constexpr int kGraphTop = 10;
inline constexpr int kGraphBottomMargin = 5;
// The dotted lines above and below the middle, in pixels.
inline constexpr int kGraphGridOffset = 25;

struct GraphLayout {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int middle = 0;
  int column_width = 0;
};

// The layout of a client area, recomputed at every paint. A client too narrow for a single
// column gives a column width of 0: the plot's right edge is its left edge.
GraphLayout LayoutGraph(int client_width, int client_height);

struct GraphPoint {
  int x = 0;
  int y = 0;
  bool operator==(const GraphPoint&) const = default;
};

// One polyline per axis, X, Y and Z in that order: from the left edge at the middle through
// every sample up to the last sample's time, then on to the right edge. The last sample's time
// spans the width; samples are placed at 0.0315 of a raw count per g with +-2 g at the plot's
// top and bottom, and clipped there. When the last time is 0 nothing leaves the left edge.
// No samples: no curves.
std::array<std::vector<GraphPoint>, 3> GraphCurves(const GraphLayout& layout,
                                                   const RecordArray<GsensorRecord>& samples);

}  // namespace vantrel
