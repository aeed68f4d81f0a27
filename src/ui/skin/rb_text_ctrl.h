// A short read-out of the viewer (time and rate, G-sensor values, position, labels, the loading
// message, card summary rows), drawn by panel type. The owner stores values and the panel
// repaints; language texts are looked up at every paint so a change of language shows at once.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include "ui/skin/panel_text.h"

namespace vantrel::ui {

class CRbTextCtrl : public QWidget {
  Q_OBJECT

 public:
  CRbTextCtrl(int id, int panel_type, int language_index, QWidget* parent);

  int id() const { return id_; }
  int panel_type() const { return panel_type_; }
  int language_index() const { return language_index_; }

  void SetLanguageIndex(int language_index);
  void SetBackground(QColor colour);
  void SetTime(int duration_ms, int position_ms);
  void SetRate(float rate);
  void SetGsensor(bool valid, float x, float y, float z);
  void SetPosition(float latitude, float longitude);
  // Counts of All, Normal, Event, Parking, then their sizes.
  void SetSummaryTexts(const QStringList& texts);

  // The texts the panel shows now, in drawing order.
  QStringList PanelTexts() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<PanelLine> Lines() const;

  int id_;
  int panel_type_;
  int language_index_;
  QColor background_;
  PanelValues values_;
};

}  // namespace vantrel::ui
