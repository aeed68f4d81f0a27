#include "sim/picture.h"

#include <algorithm>
#include <cstring>

namespace vantrel::sim {

void FillRectangle(const PictureView& picture, int x, int y, int width, int height, uint8_t luma,
                   uint8_t cb, uint8_t cr) {
  const int left = std::max(0, x);
  const int top = std::max(0, y);
  const int right = std::min(picture.width, x + width);
  const int bottom = std::min(picture.height, y + height);
  if (left >= right || top >= bottom) return;
  for (int row = top; row < bottom; ++row) {
    std::memset(picture.LumaRow(row) + left, luma, right - left);
  }
  const int chroma_left = left / 2;
  const int chroma_right = (right + 1) / 2;
  for (int row = top / 2; row < (bottom + 1) / 2; ++row) {
    std::memset(picture.CbRow(row) + chroma_left, cb, chroma_right - chroma_left);
    std::memset(picture.CrRow(row) + chroma_left, cr, chroma_right - chroma_left);
  }
}

}  // namespace vantrel::sim
