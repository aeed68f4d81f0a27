// The playback context menu as a QMenu: the language's playback pop-up, each entry sending its
// command id.
#pragma once

#include <QMenu>
#include <functional>
#include <memory>

namespace vantrel::ui {

// The playback pop-up of the language; none for a language without one. Triggering an entry
// calls on_command with the entry's command.
std::unique_ptr<QMenu> BuildPlaybackMenu(int language_index, QWidget* parent,
                                         std::function<void(int command)> on_command);

// A list-filter pop-up of the viewer's menu (index 1, 3, 5 or 7); none for another index. It is
// never shown; its entries run like the filter buttons.
std::unique_ptr<QMenu> BuildMenuPopup(int popup_index, QWidget* parent,
                                      std::function<void(int command)> on_command);

}  // namespace vantrel::ui
