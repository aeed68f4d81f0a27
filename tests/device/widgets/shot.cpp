#include "shot.h"

#include <QDir>

namespace vantrel::ui {

void SaveShot(const QImage& picture, const QString& name) {
  const QString folder = qEnvironmentVariable("VANTREL_SHOT_DIR");
  if (!folder.isEmpty()) picture.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace vantrel::ui
