#include "ui/picker/history_combo.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace vantrel::ui {
namespace {

// One section of QSettings as the history's store.
class SettingsSection : public HistoryStore {
 public:
  SettingsSection(QSettings& settings, const QString& section) : settings_(settings) {
    settings_.beginGroup(section);
  }
  ~SettingsSection() override { settings_.endGroup(); }

  std::optional<std::string> Read(const std::string& key) override {
    const QVariant value = settings_.value(QString::fromStdString(key));
    if (!value.isValid()) return std::nullopt;
    return value.toString().toStdString();
  }
  void Write(const std::string& key, const std::string& value) override {
    settings_.setValue(QString::fromStdString(key), QString::fromStdString(value));
  }
  void Remove(const std::string& key) override { settings_.remove(QString::fromStdString(key)); }

 private:
  QSettings& settings_;
};

}  // namespace

CHistoryCombo::CHistoryCombo(QWidget* parent) : QComboBox(parent), history_("") {
  setEditable(true);
  // Choices enter the list only through SaveHistory, in the history's order.
  setInsertPolicy(QComboBox::NoInsert);
  setMaxCount(static_cast<int>(history_.max_count()));
}

void CHistoryCombo::SetProfile(const QString& section, const QString& prefix,
                               const QString& last_key) {
  section_ = section;
  FolderHistory history(prefix.toStdString(), last_key.toStdString());
  history.SetMaxCount(history_.max_count());
  history_ = std::move(history);
}

void CHistoryCombo::SetMaxHistoryItems(int count) {
  history_.SetMaxCount(static_cast<size_t>(std::max(count, 0)));
  setMaxCount(static_cast<int>(history_.max_count()));
}

void CHistoryCombo::LoadHistory(QSettings& settings) {
  {
    SettingsSection store(settings, section_);
    if (check_existence_) {
      history_.Load(store, [](const std::string& path) {
        return QFileInfo::exists(QString::fromStdString(path));
      });
    } else {
      history_.Load(store);
    }
  }
  ShowEntries();
  if (count() > 0) {
    setCurrentIndex(0);
  } else {
    setEditText(QString::fromStdString(history_.last_choice()));
  }
}

bool CHistoryCombo::SaveHistory(QSettings& settings) {
  if (!history_.Remember(currentText().toStdString())) return false;
  {
    SettingsSection store(settings, section_);
    history_.Save(store);
  }
  const QString text = currentText();
  ShowEntries();
  setEditText(text);
  return true;
}

void CHistoryCombo::ShowEntries() {
  clear();
  for (const std::string& entry : history_.entries()) addItem(QString::fromStdString(entry));
}

}  // namespace vantrel::ui
