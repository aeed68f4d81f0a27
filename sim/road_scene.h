// The picture a simulated camera sees: a road between rows of buildings, moving with the car, with
// sensor noise on top. It has detail and motion in every part of the picture, so that it costs an
// encoder and a decoder about what a real drive costs. Front and rear cameras see it differently
// (the rear one looks back at a receding road through a wider lens, in other colours).
#pragma once

#include <cstdint>
#include <vector>

#include "sim/picture.h"

namespace vantrel::sim {

enum class Camera { kFront, kRear };

class RoadScene {
 public:
  RoadScene(int width, int height, Camera camera, uint64_t seed);

  // Paints the view after the car has travelled travel_metres; frame_index varies the noise.
  // The picture must have the scene's size. Uses a second thread for half of the rows.
  void Paint(const PictureView& picture, double travel_metres, int64_t frame_index) const;

 private:
  // What a row of pixels looks at: the road's depth at that row (0 above the horizon), the
  // row's slope below the horizon, and the haze at that depth.
  struct RowView {
    float ground_depth;
    float slope;
    float ground_haze;
  };
  // What a column looks at: its sideways slope, the depth at which it meets the building fronts
  // and the haze there.
  struct ColumnView {
    float lateral;
    float wall_depth;
    float wall_haze;
  };
  // Where a pixel's ray meets the road (ground_*) and the building fronts (wall_*), in metres;
  // depth 0 when it never meets them. The scene is separable: rows and columns give every ray.
  struct Ray {
    float ground_depth;
    float ground_side;
    float wall_depth;
    float wall_height;
    float ground_haze;  // how much the air greys what the ray meets: 0 near, towards 1 far
    float wall_haze;
  };

  struct Colour {
    int luma;
    int cb;
    int cr;
  };

  // The look of the building a pixel shows, kept while a row of pixels stays on one building.
  struct Facade {
    int building = -1;
    int side = -1;
    uint32_t look = 0;
  };

  uint8_t Texture(float u, float v) const;
  Colour Shade(const Ray& ray, int x, int y, float travel, float sky_shift, Facade& facade) const;
  void PaintRows(const PictureView& picture, int first, int end, float travel, float sky_shift,
                 int64_t frame_index) const;

  int width_;
  int height_;
  Camera camera_;
  uint64_t seed_;
  int horizon_;
  std::vector<RowView> rows_;
  std::vector<ColumnView> columns_;
  std::vector<uint8_t> texture_;  // 256 x 256 value noise
};

}  // namespace vantrel::sim
