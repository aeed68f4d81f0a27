// The speed gauge's pieces: its background and the seven-segment digits and point that the
// gauge lays over it. Digits and point are keyed on pure white, so nothing else in them is white.
#pragma once

#include <QImage>
#include <QString>

// look "gauge" (the background), "digit" (state: the digit 0..9) or "point". False with a
// reason in `error` for an unknown look or digit.
bool DrawGaugePiece(QImage& image, const QString& look, const QString& state, QString& error);
