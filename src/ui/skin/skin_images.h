// Drawing primitives over the skin images compiled into the program. An image id names a
// ":/bitmap/<id>" resource (opaque skin pieces) or, when there is none, a ":/png/<id>" resource
// (images with transparency). Images are read from the resources at each call; a missing or
// unreadable image draws nothing and reports nothing, so a damaged skin never stops a paint.
//
// Controls paint flicker-free by drawing everything into one QPixmap or QImage of their size
// and putting it on screen in one go.
#pragma once

#include <QColor>
#include <QImage>

class QPainter;

namespace vantrel::ui {

enum class SkinImageKind { kNone, kBitmap, kPng };

// Which kind of resource the id names; a bitmap wins over a PNG of the same id.
SkinImageKind SkinImageOf(int id);

// The image of the id (bitmap first, then PNG); null when there is none or it cannot be read.
QImage LoadSkinImage(int id);

// Draws the image's top-left w x h at (x, y) without scaling. With `transparent`, pixels of
// transparent_colour are left out.
void DrawSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, bool transparent,
                    QColor transparent_colour);

// Copies the image's w x h region at (sx, sy) to (x, y): caps, tiles and thumbs are cut out of
// one image this way.
void BlitSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, int sx, int sy);

// Stretches the image's region (0, 0, sw, sh) onto (x, y, w, h), smoothly.
void StretchSkinBitmap(QPainter& painter, int id, int x, int y, int w, int h, int sw, int sh);

// Draws the image at (x, y) at its own size, blending its alpha channel.
void DrawSkinPng(QPainter& painter, int id, int x, int y);

// The frame pieces drawn around `video` (its left, top, width and height): corners outside its
// corners, edges stretched along its sides (see skin_image_ids.h).
void DrawVideoFrame(QPainter& painter, int left, int top, int width, int height);

}  // namespace vantrel::ui
