// A video surface: the child window of the main window that one camera's pictures are shown in
// (front or rear). The media engine presents pictures from its own threads; the surface keeps the
// latest one and repaints itself on the user-interface thread. A right click asks the main window
// for the playback menu of the surface's language.
//
// Threads: ClientRect and Present may be called from any thread, also from two at once; every
// other member belongs to the user-interface thread. Whoever destroys the surface detaches it
// from the engine first; a Present still running then finishes before the surface goes away.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <atomic>
#include <mutex>

#include "playback/video_sink.h"

namespace vantrel::ui {

// Control ids of the two surfaces.
inline constexpr int kFrontSurfaceId = 1004;
inline constexpr int kRearSurfaceId = 1005;

class CRbScreenCtrl : public QWidget, public VideoSink {
  Q_OBJECT

 public:
  // Created hidden, at the starting rectangle of its id: (0, 0) 300 x 200 for the front
  // surface, (0, 0) 100 x 100 for the rear one.
  CRbScreenCtrl(int id, QWidget* parent);
  ~CRbScreenCtrl() override;

  int id() const { return id_; }

  // LanguageIndex of the window; it picks the playback menu (none outside 0..3).
  void SetLanguageIndex(int language_index) { language_index_ = language_index; }
  int language_index() const { return language_index_; }

  // A copy of the picture shown now; null before the first one.
  QImage TakePicture() const;

  // VideoSink.
  SinkRect ClientRect() const override;
  void Present(const SinkPicture& picture) override;

 signals:
  // A right click for the playback menu, at this screen position.
  void playbackMenuRequested(QPoint global_position);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void StoreClientSize(const QSize& size);

  const int id_;
  int language_index_ = 0;

  std::atomic<int> client_width_{0};
  std::atomic<int> client_height_{0};

  mutable std::mutex picture_mutex_;
  QImage picture_;              // guarded by picture_mutex_
  bool closing_ = false;        // guarded by picture_mutex_: no repaint asked for any more
  bool repaint_asked_ = false;  // guarded by picture_mutex_: one queued repaint at a time
};

}  // namespace vantrel::ui
