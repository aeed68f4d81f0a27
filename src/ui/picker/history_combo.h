// The editable box of recently chosen folders in the folder picker. Its entries live in one
// section of the user's settings (QSettings, so the caller decides where they are written);
// the rules of the list are FolderHistory's.
#pragma once

#include <QComboBox>
#include <QString>

#include "ui/picker/folder_history.h"

class QSettings;

namespace vantrel::ui {

class CHistoryCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CHistoryCombo(QWidget* parent = nullptr);

  // Where the history is kept: the settings section, the prefix of the numbered values and the
  // name of the last choice's value (empty: the prefix).
  void SetProfile(const QString& section, const QString& prefix, const QString& last_key = {});
  // Cuts the list (and the box) to at most this many entries.
  void SetMaxHistoryItems(int count);
  // When set, a load skips stored entries whose path no longer exists.
  void SetCheckExistence(bool check) { check_existence_ = check; }

  // Fills the box from the settings and shows the most recent entry (or the last choice when
  // the list is empty).
  void LoadHistory(QSettings& settings);
  // Remembers the text in the edit field as the newest choice and writes the whole history.
  // False, and nothing is written, when the field is empty.
  bool SaveHistory(QSettings& settings);

  const FolderHistory& history() const { return history_; }

 private:
  void ShowEntries();

  QString section_;
  FolderHistory history_;
  bool check_existence_ = false;
};

}  // namespace vantrel::ui
