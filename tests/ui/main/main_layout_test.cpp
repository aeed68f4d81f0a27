// The two layouts' areas and placements, computed without a window, and the video surfaces'
// 16:9 fitting.
#include <QTest>

#include "rect_printing.h"
#include "ui/main/main_layout.h"

namespace vantrel::ui {
namespace {

Rect At(const MainLayout& layout, Control control) {
  const Placement* placement = layout.Find(control);
  return placement && placement->rect ? *placement->rect : Rect{-1, -1, -1, -1};
}

Visibility ShownIn(const MainLayout& layout, Control control) {
  const Placement* placement = layout.Find(control);
  return placement ? placement->visibility : Visibility::kKeep;
}

}  // namespace

class MainLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void FullLayoutAtMinimumSize() {
    const MainLayout layout = ComputeLayout({kFullLayout, 1026, 770});
    QCOMPARE(layout.video_area, (Rect{25, 61, 702, 453}));
    QCOMPARE(layout.control_strip, (Rect{25, 453, 702, 505}));
    QCOMPARE(layout.status_strip, (Rect{25, 505, 702, 565}));
    QCOMPARE(layout.gsensor_band, (Rect{25, 565, 702, 717}));
    QCOMPARE(layout.bottom_strip, (Rect{25, 717, 702, 770}));
    QCOMPARE(layout.right_column.left, 741);

    // Top buttons right to left in steps of 46, each keeping its own size.
    QCOMPARE(At(layout, Control::kClose), Rect::At(980, 12, 44, 36));
    QCOMPARE(At(layout, Control::kMax), Rect::At(934, 12, 44, 36));
    QCOMPARE(At(layout, Control::kMin), Rect::At(888, 12, 44, 36));
    QCOMPARE(At(layout, Control::kAbout), Rect::At(842, 12, 36, 36));
    QCOMPARE(At(layout, Control::kLayoutToggle), Rect::At(750, 12, 36, 36));
    QCOMPARE(At(layout, Control::kSaveCopy), Rect::At(566, 12, 36, 36));
    QCOMPARE(At(layout, Control::kOpen), Rect::At(520, 12, 36, 36));

    // Column width 53 of a 677-pixel strip: plot ends at 656, the slider spans it plus the
    // thumb insets.
    QCOMPARE(At(layout, Control::kSeekSlider), Rect::At(32, 473, 666, 19));
    QCOMPARE(At(layout, Control::kGsensorGraph), Rect::At(25, 565, 677, 132));
    QCOMPARE(At(layout, Control::kGsensorReadout), Rect::At(28, 697, 400, 20));

    QCOMPARE(At(layout, Control::kAllChannels), Rect::At(660, 515, 42, 32));
    QCOMPARE(At(layout, Control::kRear), Rect::At(618, 515, 42, 32));
    QCOMPARE(At(layout, Control::kFront), Rect::At(576, 515, 42, 32));
    QCOMPARE(At(layout, Control::kMute), Rect::At(398, 524, 25, 24));
    QCOMPARE(At(layout, Control::kVolumeSlider), Rect::At(427, 520, 127, 30));
    QCOMPARE(At(layout, Control::kTimeReadout), Rect::At(25, 525, 330, 20));

    // The bottom controls are wider than the strip here: centring moves them left of it.
    QCOMPARE(At(layout, Control::kPrev), Rect::At(12, 727, 32, 32));
    QCOMPARE(At(layout, Control::kRewind), Rect::At(57, 727, 32, 32));
    QCOMPARE(At(layout, Control::kPlay), At(layout, Control::kPause));
    QCOMPARE(At(layout, Control::kPlay), Rect::At(102, 727, 32, 32));
    QCOMPARE(At(layout, Control::kNext), Rect::At(192, 727, 32, 32));
    QCOMPARE(At(layout, Control::kSpeed), Rect::At(236, 729, 25, 24));
    QCOMPARE(At(layout, Control::kSpeedSlider), Rect::At(265, 727, 127, 30));
    QCOMPARE(At(layout, Control::kBright), Rect::At(409, 729, 25, 24));
    QCOMPARE(At(layout, Control::kBrightnessSlider), Rect::At(438, 727, 127, 30));
    QCOMPARE(At(layout, Control::kSpeedGauge), Rect::At(579, 722, 131, 43));

    QCOMPARE(At(layout, Control::kListCaption), Rect::At(741, 57, 50, 15));
    QCOMPARE(At(layout, Control::kFilterAll), Rect::At(798, 55, 18, 20));
    QCOMPARE(At(layout, Control::kKindAll), Rect::At(817, 55, 37, 20));
    QCOMPARE(At(layout, Control::kFilterEvent), Rect::At(854, 55, 18, 20));
    QCOMPARE(At(layout, Control::kFilterNormal), Rect::At(910, 55, 18, 20));
    QCOMPARE(At(layout, Control::kKindParking), Rect::At(985, 55, 37, 20));
    QCOMPARE(At(layout, Control::kList), (Rect{741, 83, 1008, 507}));
    QCOMPARE(At(layout, Control::kMapButton), Rect::At(974, 509, 32, 32));
    QCOMPARE(At(layout, Control::kMapNoData), Rect::At(743, 542, 279, 200));
    QCOMPARE(At(layout, Control::kPositionReadout), Rect::At(743, 752, 275, 15));
  }

  void FullLayoutFollowsALargerWindow() {
    const MainLayout layout = ComputeLayout({kFullLayout, 1600, 1000});
    QCOMPARE(layout.video_area, (Rect{25, 61, 1276, 683}));
    QCOMPARE(layout.bottom_strip, (Rect{25, 947, 1276, 1000}));
    QCOMPARE(At(layout, Control::kClose), Rect::At(1554, 12, 44, 36));
    QCOMPARE(At(layout, Control::kOpen), Rect::At(1094, 12, 36, 36));
    QCOMPARE(At(layout, Control::kSeekSlider), Rect::At(32, 703, 1242, 19));
    QCOMPARE(At(layout, Control::kPrev), Rect::At(299, 957, 32, 32));
    QCOMPARE(At(layout, Control::kList), (Rect{1315, 83, 1582, 737}));
    QCOMPARE(At(layout, Control::kMapPanel), Rect::At(1317, 772, 279, 200));
  }

  void CompactLayoutHidesEverythingButTheVideoAndItsControls() {
    const MainLayout layout = ComputeLayout({kCompactLayout, 1026, 770});
    QCOMPARE(layout.video_area, (Rect{0, 0, 1026, 625}));
    QCOMPARE(layout.control_strip, (Rect{0, 625, 1016, 677}));
    QCOMPARE(layout.status_strip, (Rect{0, 677, 1016, 717}));
    QCOMPARE(layout.bottom_strip, (Rect{0, 717, 1026, 770}));
    QCOMPARE(layout.gsensor_band, Rect{});
    QCOMPARE(At(layout, Control::kLayoutToggle), Rect::At(976, 727, 36, 36));
    QCOMPARE(ShownIn(layout, Control::kLayoutToggle), Visibility::kShow);
    QCOMPARE(At(layout, Control::kSeekSlider), Rect::At(7, 645, 1014, 19));
    QCOMPARE(At(layout, Control::kAllChannels), Rect::At(974, 687, 42, 32));
    QCOMPARE(At(layout, Control::kPrev), Rect::At(161, 727, 32, 32));
    for (Control hidden :
         {Control::kOpen, Control::kClose, Control::kMax, Control::kGsensorGraph,
          Control::kGsensorReadout, Control::kListCaption, Control::kFilterAll,
          Control::kKindParking, Control::kList, Control::kMapTitle, Control::kMapButton,
          Control::kMapPanel, Control::kMapNoData, Control::kPositionReadout}) {
      QCOMPARE(ShownIn(layout, hidden), Visibility::kHide);
    }
    // Playback decides these in both layouts.
    QCOMPARE(ShownIn(layout, Control::kFront), Visibility::kKeep);
    QCOMPARE(ShownIn(layout, Control::kPause), Visibility::kKeep);
    // No right column: the whole width is the video's.
    QCOMPARE(layout.right_column.left, 1026);

    const MainLayout large = ComputeLayout({kCompactLayout, 1600, 1000});
    QCOMPARE(large.video_area, (Rect{0, 0, 1600, 855}));
    QCOMPARE(At(large, Control::kLayoutToggle), Rect::At(1550, 957, 36, 36));
  }

  void MapBlockShowsWhatTheRecordingHas() {
    const MainLayout none = ComputeLayout({kFullLayout, 1026, 770, true, MapBlockState::kNoData});
    QCOMPARE(ShownIn(none, Control::kMapNoData), Visibility::kShow);
    QCOMPARE(ShownIn(none, Control::kMapPanel), Visibility::kHide);
    QCOMPARE(ShownIn(none, Control::kMapButton), Visibility::kHide);
    QCOMPARE(ShownIn(none, Control::kMapTitle), Visibility::kShow);

    const MainLayout map = ComputeLayout({kFullLayout, 1026, 770, true, MapBlockState::kMap});
    QCOMPARE(ShownIn(map, Control::kMapPanel), Visibility::kShow);
    QCOMPARE(ShownIn(map, Control::kMapButton), Visibility::kShow);
    QCOMPARE(ShownIn(map, Control::kMapNoData), Visibility::kHide);
    QCOMPARE(ShownIn(map, Control::kMapNotConnected), Visibility::kHide);

    // Popped out: no Map button, title or position line in the window.
    const MainLayout out = ComputeLayout({kFullLayout, 1026, 770, false, MapBlockState::kMap});
    QCOMPARE(ShownIn(out, Control::kMapButton), Visibility::kHide);
    QCOMPARE(ShownIn(out, Control::kMapTitle), Visibility::kHide);
    QCOMPARE(ShownIn(out, Control::kPositionReadout), Visibility::kHide);

    const MainLayout offline =
        ComputeLayout({kFullLayout, 1026, 770, true, MapBlockState::kNotConnected});
    QCOMPARE(ShownIn(offline, Control::kMapNotConnected), Visibility::kShow);
    QCOMPARE(ShownIn(offline, Control::kMapButton), Visibility::kHide);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::MainLayoutTest)
#include "main_layout_test.moc"
