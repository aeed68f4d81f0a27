// Pictures that carry a language's words: the map block's notices (no position data, no
// Internet connection) and the about box's banner.
#pragma once

#include <QImage>
#include <QString>

// look "map-note" (state "no-gps" or "offline"; transparent around a plate) or "banner" (opaque);
// `words` are drawn in the picture. False with a reason in `error` otherwise.
bool DrawNoticePiece(QImage& image, const QString& look, const QString& state, const QString& words,
                     QString& error);
