#include "catalogue/recording_kind.h"

#include <array>

#include "catalogue/utf8_text.h"

namespace vantrel {

namespace {

struct KindPrefix {
  std::string_view prefix;
  RecordingKind kind;
  uint32_t text_id;
};

constexpr std::array<KindPrefix, 5> kKindPrefixes = {{
    {"REC", RecordingKind::kInfinite, 133},
    {"EVT", RecordingKind::kEvent, 132},
    {"PRK", RecordingKind::kParking, 134},
    {"MDI", RecordingKind::kParking, 210},
    {"MOT", RecordingKind::kParking, 210},
}};

const KindPrefix* FindPrefix(std::string_view name) {
  const std::string_view prefix = utf8::CharacterSlice(name, 0, 3);
  for (const KindPrefix& known : kKindPrefixes) {
    if (known.prefix == prefix) return &known;
  }
  return nullptr;
}

}  // namespace

RecordingKind KindOfName(std::string_view name) {
  const KindPrefix* known = FindPrefix(name);
  return known == nullptr ? RecordingKind::kUnknown : known->kind;
}

std::optional<uint32_t> KindTextId(std::string_view name) {
  const KindPrefix* known = FindPrefix(name);
  if (known == nullptr) return std::nullopt;
  return known->text_id;
}

}  // namespace vantrel
