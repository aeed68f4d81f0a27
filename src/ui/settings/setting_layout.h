// Where every control of the settings dialog sits, in pixels of a 900 x 615 client area, with
// its text: the dialog is built from this table. German texts are longer, so a few controls get
// other places in German.
#pragma once

#include <QRect>
#include <cstdint>
#include <span>

namespace vantrel::ui {

enum class SettingControlKind { kGroup, kLabel, kList, kCheck, kRadio, kButton, kEdit, kSlider };

struct SettingControl {
  int id;
  SettingControlKind kind;
  uint32_t text_id;     // language text; 0 for none
  const char* literal;  // the text when text_id is 0 (may be null)
  QRect place;
};

inline constexpr int kSettingDialogWidth = 900;
inline constexpr int kSettingDialogHeight = 615;
inline constexpr uint32_t kSettingTitleText = 106;

// Every control in creation order: group boxes before what they hold.
std::span<const SettingControl> SettingControls();

// The control's place in a language (LanguageIndex); controls German moves differ there.
QRect SettingControlPlace(const SettingControl& control, int language);

}  // namespace vantrel::ui
