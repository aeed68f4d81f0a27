#include "telemetry/map/map_pictures.h"

#include <array>

namespace vantrel {
namespace {

// English, Korean, German, Japanese.
constexpr std::array<int, 4> kNoData = {191, 148, 1119, 1142};
constexpr std::array<int, 4> kNotConnected = {190, 155, 1118, 1141};

int PictureOf(const std::array<int, 4>& ids, int language_index) {
  return language_index >= 0 && language_index < 4 ? ids[language_index] : 0;
}

}  // namespace

int NoDataPictureId(int language_index) { return PictureOf(kNoData, language_index); }

int NotConnectedPictureId(int language_index) { return PictureOf(kNotConnected, language_index); }

}  // namespace vantrel
