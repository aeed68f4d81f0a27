#include "ui/main/playback_menu.h"

#include "playback/playback_commands.h"

namespace vantrel::ui {
namespace {

// The texts of one language, in command order from Open to Mute, then the four filters.
struct MenuTexts {
  std::string_view playback_title;
  std::array<std::string_view, 13> playback;
  std::string_view filter_title;
  std::array<std::string_view, 4> filters;
};

MenuPopup PlaybackPopup(const MenuTexts& texts) {
  MenuPopup popup{texts.playback_title, {}};
  for (int i = 0; i < static_cast<int>(texts.playback.size()); ++i) {
    // Separators after Open, Next, the brightness default and the speed default.
    const int command = kFirstPlaybackMenuCommand + i;
    popup.items.push_back({texts.playback[i], command});
    if (command == kFirstPlaybackMenuCommand || command == playback_command::kMenuNext ||
        command == playback_command::kMenuBrightDefault ||
        command == playback_command::kMenuSpeedDefault) {
      popup.items.push_back({});
    }
  }
  return popup;
}

MenuPopup FilterPopup(const MenuTexts& texts) {
  MenuPopup popup{texts.filter_title, {}};
  for (int i = 0; i < static_cast<int>(texts.filters.size()); ++i) {
    popup.items.push_back({texts.filters[i], kFirstFilterMenuCommand + i});
  }
  return popup;
}

constexpr MenuTexts kGerman = {
    "Wiedergabe",
    {"Öffnen", "Wiedergabe/Pause", "Zurück", "Weiter", "Dunkler", "Heller", "Standard(b)",
     "Schneller", "Langsamer", "Standard(s)", "Lauter", "Leiser", "Stumm"},
    "Liste",
    {"Alle", "Normal", "Ereignis", "Parken"}};
constexpr MenuTexts kEnglish = {
    "Playback",
    {"Open", "Play/Pause", "Prev", "Next", "Darken", "Brighten", "Default(b)", "Faster", "Slower",
     "Default(s)", "Volume up", "Volume down", "Mute"},
    "List",
    {"All", "Normal", "Event", "Parking"}};
constexpr MenuTexts kKorean = {
    "재생",
    {"열기", "재생/일시정지", "이전", "다음", "어둡게", "밝게", "기본 밝기(b)", "빠르게", "느리게",
     "기본 속도(s)", "볼륨 크게", "볼륨 작게", "음소거"},
    "목록",
    {"전체", "상시", "이벤트", "주차"}};
constexpr MenuTexts kJapanese = {
    "再生",
    {"開く", "再生/一時停止", "前へ", "次へ", "暗く", "明るく", "標準の明るさ(b)", "速く", "遅く",
     "標準の速度(s)", "音量を上げる", "音量を下げる", "ミュート"},
    "リスト",
    {"すべて", "常時", "イベント", "駐車"}};

}  // namespace

const std::array<MenuPopup, 8>& ViewerMenu() {
  static const std::array<MenuPopup, 8> menu = {PlaybackPopup(kGerman),   FilterPopup(kGerman),
                                                PlaybackPopup(kEnglish),  FilterPopup(kEnglish),
                                                PlaybackPopup(kKorean),   FilterPopup(kKorean),
                                                PlaybackPopup(kJapanese), FilterPopup(kJapanese)};
  return menu;
}

int PlaybackPopupIndex(int language_index) {
  switch (language_index) {
    case 0:
      return 2;
    case 1:
      return 4;
    case 2:
      return 0;
    case 3:
      return 6;
    default:
      return -1;
  }
}

bool RightClickOpensMenu(int x, int right_column_left) { return x < right_column_left; }

}  // namespace vantrel::ui
