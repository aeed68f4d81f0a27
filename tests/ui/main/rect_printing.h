// Readable rectangles and points in failed comparisons.
#pragma once

#include <QtTest>

#include "ui/main/layout_rect.h"

namespace vantrel::ui {

inline char* toString(const Rect& rect) {
  return QTest::toString(QStringLiteral("(%1, %2)-(%3, %4) %5x%6")
                             .arg(rect.left)
                             .arg(rect.top)
                             .arg(rect.right)
                             .arg(rect.bottom)
                             .arg(rect.Width())
                             .arg(rect.Height()));
}

inline char* toString(const Point& point) {
  return QTest::toString(QStringLiteral("(%1, %2)").arg(point.x).arg(point.y));
}

}  // namespace vantrel::ui
