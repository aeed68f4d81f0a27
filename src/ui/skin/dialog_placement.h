// Where the viewer's small dialogs appear: centred over the window of their owner (or the screen
// without one), placed before they show so they do not jump.
#pragma once

#include <QSize>

class QWidget;

namespace vantrel::ui {

// Gives `dialog` the client size `size`, centred over its parent's window.
void CentreOverOwner(QWidget& dialog, QSize size);

}  // namespace vantrel::ui
