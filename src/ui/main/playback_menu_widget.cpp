#include "ui/main/playback_menu_widget.h"

#include <QAction>

#include "ui/main/playback_menu.h"

namespace vantrel::ui {

std::unique_ptr<QMenu> BuildMenuPopup(int popup_index, QWidget* parent,
                                      std::function<void(int command)> on_command) {
  const auto& menu = ViewerMenu();
  if (popup_index < 0 || popup_index >= static_cast<int>(menu.size())) return nullptr;
  const MenuPopup& popup = menu[popup_index];
  auto result = std::make_unique<QMenu>(
      QString::fromUtf8(popup.title.data(), static_cast<int>(popup.title.size())), parent);
  for (const MenuItem& item : popup.items) {
    if (item.command == 0) {
      result->addSeparator();
      continue;
    }
    QAction* action =
        result->addAction(QString::fromUtf8(item.text.data(), static_cast<int>(item.text.size())));
    action->setData(item.command);
    const int command = item.command;
    QObject::connect(action, &QAction::triggered, result.get(),
                     [on_command, command] { on_command(command); });
  }
  return result;
}

std::unique_ptr<QMenu> BuildPlaybackMenu(int language_index, QWidget* parent,
                                         std::function<void(int command)> on_command) {
  return BuildMenuPopup(PlaybackPopupIndex(language_index), parent, std::move(on_command));
}

}  // namespace vantrel::ui
