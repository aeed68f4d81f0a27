#include "sim/road_scene.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "sim/random.h"

namespace vantrel::sim {
namespace {

constexpr int kTextureSize = 256;
constexpr float kCameraHeight = 1.3f;    // metres above the road
constexpr float kTexelsPerMetre = 8.0f;  // asphalt and facade grain
constexpr float kBuildingLength = 14.0f;
constexpr float kLanePeriod = 9.0f;  // a dash and its gap
constexpr float kLaneDash = 3.0f;
constexpr float kLaneHalfWidth = 0.08f;
constexpr float kMaximumDepth = 3000.0f;
// The scene repeats after this many metres; travel is reduced modulo it so that single-precision
// arithmetic stays exact on long drives. A multiple of every period above and of the texture.
constexpr double kScenePeriod = 2016.0;

struct CameraSettings {
  float horizon;      // fraction of the height
  float focal;        // fraction of the width
  float wall_offset;  // distance of the building fronts from the camera, metres
  float direction;    // +1 the world comes towards the camera, -1 it recedes
  int sky_cb, sky_cr, tint_cb, tint_cr;
};

const CameraSettings& SettingsOf(Camera camera) {
  static const CameraSettings kFront{0.42f, 0.62f, 9.0f, 1.0f, 146, 116, 0, 0};
  static const CameraSettings kRear{0.50f, 0.45f, 7.5f, -1.0f, 138, 124, -6, 8};
  return camera == Camera::kFront ? kFront : kRear;
}

std::vector<uint8_t> MakeTexture(uint64_t seed) {
  // Value noise of four octaves, tiling at the texture's size.
  std::vector<float> sum(kTextureSize * kTextureSize, 0.0f);
  float amplitude = 1.0f;
  for (int cell = 32; cell >= 4; cell /= 2, amplitude *= 0.6f) {
    const int lattice = kTextureSize / cell;
    for (int y = 0; y < kTextureSize; ++y) {
      for (int x = 0; x < kTextureSize; ++x) {
        const int x0 = x / cell, y0 = y / cell;
        const float fx = static_cast<float>(x % cell) / cell;
        const float fy = static_cast<float>(y % cell) / cell;
        auto corner = [&](int cx, int cy) {
          return static_cast<float>(Hash(seed, (cx % lattice) + 1000 * (cy % lattice), cell) &
                                    0xFF);
        };
        const float top = corner(x0, y0) * (1 - fx) + corner(x0 + 1, y0) * fx;
        const float bottom = corner(x0, y0 + 1) * (1 - fx) + corner(x0 + 1, y0 + 1) * fx;
        sum[y * kTextureSize + x] += amplitude * (top * (1 - fy) + bottom * fy - 128.0f);
      }
    }
  }
  std::vector<uint8_t> texture(sum.size());
  for (size_t i = 0; i < sum.size(); ++i) {
    texture[i] = static_cast<uint8_t>(std::clamp(128.0f + sum[i] * 0.9f, 0.0f, 255.0f));
  }
  return texture;
}

uint8_t Clamp(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// x modulo period for x >= 0, without a library call per pixel.
float Wrap(float x, float period) {
  return x - period * static_cast<float>(static_cast<int>(x / period));
}

}  // namespace

RoadScene::RoadScene(int width, int height, Camera camera, uint64_t seed)
    : width_(width), height_(height), camera_(camera), seed_(seed) {
  const CameraSettings& settings = SettingsOf(camera);
  horizon_ = static_cast<int>(height * settings.horizon);
  const float focal = settings.focal * width;
  const float centre = width * 0.5f;
  for (int y = 0; y < height; ++y) {
    const float dy = y + 0.5f - horizon_;
    RowView row;
    row.ground_depth = dy > 0 ? std::min(kMaximumDepth, kCameraHeight * focal / dy) : 0.0f;
    row.slope = dy / focal;
    row.ground_haze = row.ground_depth / (row.ground_depth + 120.0f);
    rows_.push_back(row);
  }
  for (int x = 0; x < width; ++x) {
    const float dx = x + 0.5f - centre;
    ColumnView column;
    column.lateral = dx / focal;
    column.wall_depth = std::min(kMaximumDepth, settings.wall_offset * focal / std::fabs(dx));
    column.wall_haze = column.wall_depth / (column.wall_depth + 200.0f);
    columns_.push_back(column);
  }
  texture_ = MakeTexture(seed);
}

uint8_t RoadScene::Texture(float u, float v) const {
  // Offsets keep the arguments positive, so truncation is a floor.
  const int iu = static_cast<int>(u + 65536.0f) & (kTextureSize - 1);
  const int iv = static_cast<int>(v + 65536.0f) & (kTextureSize - 1);
  return texture_[iv * kTextureSize + iu];
}

RoadScene::Colour RoadScene::Shade(const Ray& ray, int x, int y, float travel, float sky_shift,
                                   Facade& facade) const {
  const CameraSettings& settings = SettingsOf(camera_);
  const bool on_ground = ray.ground_depth > 0 && ray.ground_depth < ray.wall_depth;
  if (on_ground) {
    const float along = ray.ground_depth + travel;
    const float side = ray.ground_side;
    int luma = 84 + (Texture(side * kTexelsPerMetre, along * kTexelsPerMetre) - 128) / 2;
    int cb = 128, cr = 128;
    const float side_abs = std::fabs(side);
    if (side_abs > settings.wall_offset - 2.5f) {
      luma += 40;  // pavement
      cr += 6;
    } else if (Wrap(along, kLanePeriod) < kLaneDash &&
               (std::fabs(side_abs - 3.5f) < kLaneHalfWidth || side_abs < kLaneHalfWidth)) {
      luma = 215;
      if (side_abs < kLaneHalfWidth) cb = 84, cr = 150;  // the yellow centre line
    }
    luma = static_cast<int>(luma + (170 - luma) * ray.ground_haze);
    return {luma, cb + settings.tint_cb, cr + settings.tint_cr};
  }
  const float along = ray.wall_depth + travel;
  const int building = static_cast<int>(along / kBuildingLength);
  const int side = x < width_ / 2;
  if (building != facade.building || side != facade.side) {
    facade = Facade{building, side, Hash(seed_, static_cast<uint64_t>(building), side)};
  }
  const uint32_t look = facade.look;
  const float building_height = 5.0f + static_cast<float>(look % 28);
  if (ray.wall_height >= 0 && ray.wall_height < building_height) {
    const float grain = Texture(along * kTexelsPerMetre, ray.wall_height * kTexelsPerMetre);
    const float storey = Wrap(ray.wall_height, 3.2f);
    const bool window = Wrap(along, 3.0f) < 1.8f && storey > 1.0f && storey < 2.4f;
    int luma = 70 + static_cast<int>((look >> 8) % 100) + static_cast<int>(grain - 128) / 3;
    if (window) {
      // Some windows lit, some dark: a bit of the facade's look picked by window and storey.
      const uint32_t column = static_cast<uint32_t>(along / 3.0f);
      const uint32_t row = static_cast<uint32_t>(ray.wall_height / 3.2f);
      luma = ((look * 2654435761u ^ (column * 40503u + row * 9973u)) >> 13) & 1 ? 215 : 45;
    }
    luma = static_cast<int>(luma + (180 - luma) * ray.wall_haze);
    const int cb = 118 + static_cast<int>((look >> 16) % 16) + settings.tint_cb;
    const int cr = 124 + static_cast<int>((look >> 24) % 20) + settings.tint_cr;
    return {luma, cb, cr};
  }
  // Sky: brighter towards the horizon, with slowly drifting clouds.
  const float height_fraction = static_cast<float>(y) / std::max(1, horizon_);
  const int cloud = Texture((x + sky_shift) * 0.35f, y * 0.7f) - 128;
  const int luma = 150 + static_cast<int>(50 * height_fraction) + std::max(0, cloud);
  return {luma, settings.sky_cb - std::max(0, cloud) / 4, settings.sky_cr};
}

void RoadScene::Paint(const PictureView& picture, double travel_metres, int64_t frame_index) const {
  const CameraSettings& settings = SettingsOf(camera_);
  const float travel = static_cast<float>(
      std::fmod(settings.direction * travel_metres, kScenePeriod) + kScenePeriod);
  const float sky_shift = static_cast<float>(frame_index % 4096) * 0.6f;
  // The encoder runs on one core (so that its output repeats exactly); the picture is painted
  // on two, in halves that share nothing.
  const int middle = height_ / 4 * 2;
  std::thread top([&] { PaintRows(picture, 0, middle, travel, sky_shift, frame_index); });
  PaintRows(picture, middle, height_, travel, sky_shift, frame_index);
  top.join();
}

void RoadScene::PaintRows(const PictureView& picture, int first, int end, float travel,
                          float sky_shift, int64_t frame_index) const {
  for (int y = first; y < end; ++y) {
    uint8_t* luma_row = picture.LumaRow(y);
    uint8_t* cb_row = y % 2 == 0 ? picture.CbRow(y / 2) : nullptr;
    uint8_t* cr_row = y % 2 == 0 ? picture.CrRow(y / 2) : nullptr;
    const RowView& row = rows_[y];
    // Noise drawn per row, so that rows come out the same whichever thread paints them.
    Random noise(Hash(seed_, static_cast<uint64_t>(frame_index), static_cast<uint64_t>(y)));
    uint64_t bits = 0;
    Facade facade;
    for (int x = 0; x < width_; ++x) {
      if (x % 16 == 0) bits = noise.Next();
      // Sensor noise of -3..+4 from four fresh bits per pixel.
      const int grain = static_cast<int>((bits >> (4 * (x % 16))) & 7) - 3;
      const ColumnView& column = columns_[x];
      const Ray ray{row.ground_depth,  column.lateral * row.ground_depth,
                    column.wall_depth, kCameraHeight - row.slope * column.wall_depth,
                    row.ground_haze,   column.wall_haze};
      const Colour colour = Shade(ray, x, y, travel, sky_shift, facade);
      luma_row[x] = Clamp(colour.luma + grain);
      if (cb_row != nullptr && x % 2 == 0) {
        cb_row[x / 2] = Clamp(colour.cb);
        cr_row[x / 2] = Clamp(colour.cr);
      }
    }
  }
}

}  // namespace vantrel::sim
