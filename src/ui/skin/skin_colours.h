// The colours of the viewer's dark skin, named once so that every control paints the same shade.
#pragma once

#include <QColor>

namespace vantrel::ui {

// The background of the window and of every control drawn over it.
inline const QColor kSkinBackground(34, 44, 54);
// The band of the top bar that the top buttons continue.
inline const QColor kTopBarBand(80, 80, 80);
// The G-sensor band and the G-sensor value read-out.
inline const QColor kGsensorBackground(26, 31, 37);
inline const QColor kMapBlockBackground(26, 30, 35);
inline const QColor kListBlockBackground(46, 53, 60);
// The border drawn around the video area while a video surface is shown.
inline const QColor kVideoBorder(100, 100, 100);

// Recording list rows.
inline const QColor kListEvenRow(70, 70, 70);
inline const QColor kListOddRow(50, 50, 50);
inline const QColor kListPlayingRow(0, 128, 128);
inline const QColor kListSelectedRow(128, 128, 0);
inline const QColor kListText(180, 180, 180);
inline const QColor kListPlayingText(200, 200, 200);
inline const QColor kListSelectedText(20, 20, 20);
// The list's empty area below the last row, and its column headings.
inline const QColor kListEmptyArea(40, 47, 54);
inline const QColor kListHeading(30, 30, 30);
// The list's scroll bar behind its images.
inline const QColor kScrollBarBackground(16, 18, 21);

}  // namespace vantrel::ui
