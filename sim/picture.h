// A writable view of one 8-bit 4:2:0 picture (luma plane, then the two chroma planes at half
// width and height). The encoder owns the memory; painters only write through the view.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::sim {

struct PictureView {
  uint8_t* luma = nullptr;
  uint8_t* cb = nullptr;
  uint8_t* cr = nullptr;
  int luma_stride = 0;
  int chroma_stride = 0;
  int width = 0;   // even
  int height = 0;  // even

  uint8_t* LumaRow(int y) const { return luma + static_cast<std::ptrdiff_t>(y) * luma_stride; }
  uint8_t* CbRow(int y) const { return cb + static_cast<std::ptrdiff_t>(y) * chroma_stride; }
  uint8_t* CrRow(int y) const { return cr + static_cast<std::ptrdiff_t>(y) * chroma_stride; }
};

// Fills the rectangle (clipped to the picture) with one colour. Chroma is written for every 2x2
// block the rectangle touches.
void FillRectangle(const PictureView& picture, int x, int y, int width, int height, uint8_t luma,
                   uint8_t cb = 128, uint8_t cr = 128);

}  // namespace vantrel::sim
