#include "catalogue/kind_text.h"

#include "app/language.h"
#include "catalogue/recording_kind.h"
#include "catalogue/utf8_text.h"

namespace vantrel {

TextLookup LanguageTextLookup(int language_index) {
  return [language_index](uint32_t id) { return LoadLanguageString(language_index, id); };
}

std::string KindTexts::For(std::string_view name) {
  const std::optional<uint32_t> id = KindTextId(name);
  if (!id) return std::string(kUnknownKindText);
  auto found = loaded_.find(*id);
  if (found == loaded_.end()) {
    found = loaded_.emplace(*id, lookup_ ? lookup_(*id) : std::nullopt).first;
  }
  if (found->second) return *found->second;
  return std::string(utf8::CharacterSlice(name, 0, 3));
}

}  // namespace vantrel
