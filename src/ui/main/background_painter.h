// The main window's background: the dark fill, the top band with the logo, the frame around the
// video area and the blocks of the G-sensor graph, the list and the map. It is drawn off-screen
// in one go so that a resize does not flicker.
#pragma once

#include <QPixmap>
#include <QSize>

#include "ui/main/main_layout.h"

class QPainter;

namespace vantrel::ui {

// Draws the background of a window of `size` laid out as `layout`. With a video surface shown
// the video area gets a thin border and the plain fill; otherwise the empty-screen picture.
void PaintBackground(QPainter& painter, const MainLayout& layout, QSize size, bool surface_visible);

// The same into a pixmap of the window's size.
QPixmap RenderBackground(const MainLayout& layout, QSize size, bool surface_visible);

}  // namespace vantrel::ui
