#include "ui/skin/skin_image_ids.h"

#include <array>

namespace vantrel::ui {
namespace {

// Per language (English, Korean, German, Japanese): the normal and chosen faces of Front, Rear
// and All.
constexpr std::array<std::array<std::array<int, 2>, 3>, 4> kChannelFaces = {{
    {{{184, 185}, {186, 187}, {188, 189}}},
    {{{20031, 20032}, {20041, 20042}, {20051, 20052}}},
    {{{1112, 1113}, {1114, 1115}, {1116, 1117}}},
    {{{1135, 1136}, {1137, 1138}, {1139, 1140}}},
}};

}  // namespace

ButtonImages ChannelButtonImages(int language_index, Channel channel) {
  const auto& faces = kChannelFaces[language_index >= 0 && language_index < 4 ? language_index : 0];
  const auto& face = faces[static_cast<int>(channel)];
  return ButtonImages{face[0], 0, 0, 0, face[1]};
}

}  // namespace vantrel::ui
