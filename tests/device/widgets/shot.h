// Pictures of the dialogs for people to look at: saved only when VANTREL_SHOT_DIR names a folder.
#pragma once

#include <QImage>
#include <QString>

namespace vantrel::ui {

void SaveShot(const QImage& picture, const QString& name);

}  // namespace vantrel::ui
