// The two pictures the map block shows instead of the map: CMapNoDataWnd for a recording without
// GPS data and CMapNoConnectedWnd for a computer without a connection. Each paints its
// language's picture centred on a dark grey ground.
#pragma once

#include <QWidget>

namespace vantrel::ui {

inline constexpr int kMapNoDataId = 1011;
inline constexpr int kMapNotConnectedId = 1012;

class CMapPictureWnd : public QWidget {
  Q_OBJECT

 public:
  // picture_of: the PNG id for a language index (0 for none).
  CMapPictureWnd(int id, const char* name, int (*picture_of)(int), int language_index,
                 QWidget* parent);

  void SetLanguageIndex(int language_index);
  int language_index() const { return language_index_; }
  // The picture painted now; 0 for none.
  int PictureId() const { return picture_of_(language_index_); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int (*picture_of_)(int);
  int language_index_;
};

class CMapNoDataWnd : public CMapPictureWnd {
  Q_OBJECT

 public:
  CMapNoDataWnd(int language_index, QWidget* parent);
};

class CMapNoConnectedWnd : public CMapPictureWnd {
  Q_OBJECT

 public:
  CMapNoConnectedWnd(int language_index, QWidget* parent);
};

}  // namespace vantrel::ui
