// Opening sources in the main window: the Open command and drops, through the loading window to
// a filled list and the first recording asked for; the reset when nothing is found or the card
// goes; and what is refused while something is loading.
#include <QtTest>
#include <filesystem>
#include <string>
#include <vector>

#include "app/language.h"
#include "catalogue/card_access.h"
#include "platform/volume_provider_simulated.h"
#include "playback_commands_stub.h"
#include "recorded_messages.h"
#include "temp_dir.h"
#include "ui/main/file_load_dialog.h"
#include "ui/main/source_loading.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {
namespace {

namespace fs = std::filesystem;

constexpr LoadTimings kFast{20, 30};

class RecordingPlayback : public test::PlaybackCommandsStub {
 public:
  bool Loading() const override { return loading; }
  PlaybackState State() const override { return state; }
  void StartLoader(int row) override { calls.push_back("start " + std::to_string(row)); }
  void PausePlayback() override { calls.push_back("pause"); }
  void StopPlayback(bool reset_view) override {
    calls.push_back(reset_view ? "stop reset" : "stop");
  }
  void CloseRecording() override { calls.push_back("close"); }

  bool loading = false;
  PlaybackState state = PlaybackState::kNone;
  std::vector<std::string> calls;
};

class RecordingButtons : public FilterButtons {
 public:
  void ShowPressed(ListFilter pressed) override { this->pressed.push_back(pressed); }
  std::vector<ListFilter> pressed;
};

// The main window as loading sees it, language 0 (English).
class FakeHost : public SourceLoadingHost {
 public:
  FakeHost() : list(&window) {
    window.resize(1026, 770);
    for (std::string_view name : kLyfsDirectoryNames) catalogue.AddDirectoryName(name);
    catalogue.AddExtension(kRecordingExtension);
    list.SetUp(kEnglish);
  }
  QWidget* HostWidget() override { return &window; }
  int LanguageIndex() const override { return kEnglish; }
  RecordingCatalogue& Catalogue() override { return catalogue; }
  CRbListCtrl& List() override { return list; }
  FilterButtons& FilterButtonSet() override { return buttons; }
  FilterEnableFlags& FilterFlags() override { return flags; }
  PlaybackCommands& Playback() override { return playback; }
  UserMessages& Messages() override { return messages; }

  QWidget window;
  RecordingCatalogue catalogue;
  CRbListCtrl list;
  RecordingButtons buttons;
  FilterEnableFlags flags{};
  RecordingPlayback playback;
  test::RecordedMessages messages;
};

using Calls = std::vector<std::string>;

platform::Volume Card(const std::string& root, const std::string& device) {
  platform::Volume volume;
  volume.root = root;
  volume.removable = true;
  volume.bytes_per_sector = 512;
  volume.device_path = device;
  return volume;
}

std::string NoRecordingsText() { return LoadLanguageString(kEnglish, 251).value_or("(none)"); }

}  // namespace

class SourceLoadingTest : public QObject {
  Q_OBJECT

 private:
  // A card mounted at <temp>/card/ with three recordings under QX_RECBOX, and a folder on the
  // computer holding only an empty sub-folder.
  void MakeFixture() {
    dir_ = std::make_unique<test::TempDir>();
    card_root_ = dir_->File("card") + "/";
    recordings_ = dir_->File("card/QX_RECBOX");
    for (const char* name : {"EVT_20140101_120500.avi", "REC_20140101_120000.avi",
                             "REC_20140101_121000_2.avi", "notes.txt"}) {
      QVERIFY(test::WriteFile(fs::path(recordings_) / name, "x"));
    }
    QVERIFY(test::WriteFile(dir_->path() / "card.img", std::string(1 << 20, '\0')));
    fs::create_directories(dir_->path() / "empty" / "nothing");
    volumes_ = std::make_unique<platform::SimulatedVolumeProvider>();
    volumes_->Insert(Card(card_root_, dir_->File("card.img")));
  }

  QString Recordings() const { return QString::fromStdString(recordings_); }
  QString EmptyFolder() const { return QString::fromStdString(dir_->File("empty")); }

  std::unique_ptr<test::TempDir> dir_;
  std::string card_root_;
  std::string recordings_;
  std::unique_ptr<platform::SimulatedVolumeProvider> volumes_;

 private slots:
  void init() { MakeFixture(); }

  void droppedFolderFillsTheListAndAsksForTheFirstRecording() {
    FakeHost host;
    SourceLoading loading(host, *volumes_, kFast);
    bool window_seen = false;
    QTimer::singleShot(5, [&] {
      window_seen = loading.loading_window_open() &&
                    qobject_cast<CFileLoadDlg*>(QApplication::activeModalWidget()) != nullptr;
    });
    loading.Drop({Recordings()});

    QVERIFY(window_seen);
    QVERIFY(!loading.loading_window_open());
    QCOMPARE(host.catalogue.open_source_kind(), SourceKind::kComputerFolder);
    QCOMPARE(host.list.RowCount(), 3);
    QCOMPARE(host.list.ColumnText(0, kNameColumn), std::string("REC_20140101_120000.avi"));
    QCOMPARE(host.list.ColumnText(1, kNameColumn), std::string("EVT_20140101_120500.avi"));
    QCOMPARE(host.list.CurrentRow(), 0);
    QCOMPARE(host.list.MarkedRow(), 0);
    QCOMPARE(host.flags, (FilterEnableFlags{true, true, true, false}));
    QCOMPARE(host.buttons.pressed, std::vector<ListFilter>{ListFilter::kAll});
    QCOMPARE(host.playback.calls, (Calls{"stop reset", "start 0"}));
    QVERIFY(host.messages.shown.empty());
    // A folder on the card: taking the card out must still find it.
    QCOMPARE(loading.source_root(), card_root_);
  }

  void openCommandOnTheMountPointOpensTheWholeCard() {
    FakeHost host;
    host.playback.state = PlaybackState::kRunning;
    QWidget* picker_parent = nullptr;
    int picker_language = -1;
    const QString mount_point = QString::fromStdString(card_root_).chopped(1);
    SourceLoading loading(host, *volumes_, kFast, [&](QWidget* parent, int language) {
      picker_parent = parent;
      picker_language = language;
      return std::optional<PickedSource>(PickedSource{mount_point, {mount_point}});
    });
    loading.OpenCommand();

    QCOMPARE(picker_parent, &host.window);
    QCOMPARE(picker_language, kEnglish);
    QCOMPARE(host.catalogue.open_source_kind(), SourceKind::kFatCard);
    QCOMPARE(host.list.RowCount(), 3);
    QCOMPARE(host.playback.calls, (Calls{"pause", "stop reset", "start 0"}));
    QCOMPARE(loading.source_root(), card_root_);
  }

  void folderWithOnlyAnEmptySubfolderResetsWithTheMessage() {
    FakeHost host;
    SourceLoading loading(host, *volumes_, kFast);
    loading.Drop({Recordings()});
    QCOMPARE(host.list.RowCount(), 3);
    host.playback.state = PlaybackState::kStopped;
    host.playback.calls.clear();

    loading.Drop({EmptyFolder()});
    QCOMPARE(host.list.RowCount(), 0);
    QCOMPARE(host.flags, FilterEnableFlags{});
    QCOMPARE(host.messages.shown, std::vector<std::string>{NoRecordingsText()});
    QVERIFY(NoRecordingsText() != "(none)");
    QCOMPARE(host.playback.calls, (Calls{"stop reset"}));
    QVERIFY(loading.source_root().empty());
  }

  void lyfsCardWhoseDiskIsRefusedSaysWhichAccessIsMissing() {
    // udev says the card holds a LyFS partition; its disk node refuses this user, and there is no
    // disk service to ask.
    platform::Volume lyfs = Card(dir_->File("lyfs") + "/", "/dev/vantrel-refused");
    lyfs.lyfs_partition = true;
    volumes_->Insert(lyfs);
    CardAccess access(nullptr, [](const std::string&, bool, bool* refused) {
      *refused = true;
      return std::unique_ptr<lyfs::BlockDevice>();
    });
    FakeHost host;
    const QString mount_point = QString::fromStdString(lyfs.root).chopped(1);
    SourceLoading loading(host, *volumes_, kFast, [&](QWidget*, int) {
      return std::optional<PickedSource>(PickedSource{mount_point, {mount_point}});
    });
    loading.OpenCommand();

    QCOMPARE(host.catalogue.open_source_kind(), SourceKind::kLyfsCard);
    QCOMPARE(host.list.RowCount(), 0);
    const std::optional<std::string> message = DiskAccessMessage(kEnglish, "/dev/vantrel-refused");
    QVERIFY(message && message->find("/dev/vantrel-refused") != std::string::npos);
    QCOMPARE(host.messages.shown, std::vector<std::string>{*message});
    // The card stays on offer, to be opened again once the access is granted.
    QCOMPARE(host.catalogue.sources().at(1).root, lyfs.root);
  }

  void cancelledOpenChangesNothing() {
    FakeHost host;
    SourceLoading first(host, *volumes_, kFast);
    first.Drop({Recordings()});
    host.playback.state = PlaybackState::kPaused;
    host.playback.calls.clear();
    const std::vector<SourceRecord> sources = host.catalogue.sources();

    for (const std::optional<PickedSource>& answer :
         {std::optional<PickedSource>(), std::optional<PickedSource>(PickedSource{})}) {
      int picks = 0;
      SourceLoading loading(host, *volumes_, kFast, [&](QWidget*, int) {
        ++picks;
        return answer;
      });
      loading.OpenCommand();
      QCOMPARE(picks, 1);
      QVERIFY(!loading.loading_window_open());
    }
    QCOMPARE(host.list.RowCount(), 3);
    QCOMPARE(host.catalogue.sources().size(), sources.size());
    QVERIFY(host.playback.calls.empty());  // paused already: nothing to pause
    QVERIFY(host.messages.shown.empty());
  }

  void openAndDropAreRefusedWhileLoading() {
    FakeHost host;
    int picks = 0;
    SourceLoading loading(host, *volumes_, kFast, [&](QWidget*, int) {
      ++picks;
      return std::optional<PickedSource>(PickedSource{Recordings(), {Recordings()}});
    });
    host.playback.loading = true;
    host.playback.state = PlaybackState::kRunning;
    loading.OpenCommand();
    loading.Drop({Recordings()});
    QCOMPARE(picks, 0);
    QVERIFY(host.playback.calls.empty());
    QCOMPARE(host.list.RowCount(), 0);

    // While the loading window is up, a second drop or Open must not start another one.
    host.playback.loading = false;
    host.playback.state = PlaybackState::kNone;
    QTimer::singleShot(5, [&] {
      loading.Drop({EmptyFolder()});
      loading.OpenCommand();
    });
    loading.Drop({Recordings()});
    QCOMPARE(picks, 0);
    QCOMPARE(host.list.RowCount(), 3);
    QVERIFY(host.messages.shown.empty());
  }

  void dropWhilePlayingOrPausedClosesTheRecordingFirst() {
    const std::vector<std::pair<PlaybackState, Calls>> cases = {
        {PlaybackState::kRunning, {"close", "stop reset", "start 0"}},
        {PlaybackState::kPaused, {"close", "stop reset", "start 0"}},
        {PlaybackState::kStopped, {"stop reset", "start 0"}},
        {PlaybackState::kNone, {"stop reset", "start 0"}}};
    for (const auto& [state, expected] : cases) {
      FakeHost host;
      host.playback.state = state;
      SourceLoading loading(host, *volumes_, kFast);
      loading.Drop({Recordings()});
      QCOMPARE(host.playback.calls, expected);
    }
  }

  void removingTheOpenedCardResetsAndOtherVolumesDoNot() {
    FakeHost host;
    SourceLoading loading(host, *volumes_, kFast);
    volumes_->AddListener([&](const platform::VolumeChange& change) {
      if (change.event == platform::VolumeEvent::kRemoved) loading.VolumeRemoved(change.root);
    });
    volumes_->Insert(Card(dir_->File("other") + "/", dir_->File("card.img")));
    loading.Drop({Recordings()});
    host.playback.state = PlaybackState::kRunning;
    host.playback.calls.clear();

    QVERIFY(volumes_->Remove(dir_->File("other")));
    loading.VolumeRemoved("");
    QCOMPARE(host.list.RowCount(), 3);
    QVERIFY(host.playback.calls.empty());

    QVERIFY(volumes_->Remove(card_root_));
    QCOMPARE(host.list.RowCount(), 0);
    QCOMPARE(host.playback.calls, (Calls{"pause", "stop reset"}));
    QCOMPARE(host.messages.shown, std::vector<std::string>{NoRecordingsText()});
    QCOMPARE(host.flags, FilterEnableFlags{});
    QVERIFY(loading.source_root().empty());

    // Nothing is open any more: a second notice of the same card changes nothing.
    loading.VolumeRemoved(card_root_);
    QCOMPARE(host.messages.shown.size(), size_t{1});
  }

  void cardTakenOutWhileLoadingIsLookedAtAgainAfterwards() {
    FakeHost host;
    SourceLoading loading(host, *volumes_, kFast);
    loading.Drop({Recordings()});
    host.playback.calls.clear();

    // Back in time: nothing happens.
    host.playback.loading = true;
    volumes_->Remove(card_root_);
    loading.VolumeRemoved(card_root_);
    QTest::qWait(5);
    volumes_->Insert(Card(card_root_, dir_->File("card.img")));
    host.playback.loading = false;
    QTest::qWait(3 * kFast.removal_retry_ms);
    QCOMPARE(host.list.RowCount(), 3);
    QVERIFY(host.messages.shown.empty());

    // Still gone once loading is over: the reset follows, not before.
    host.playback.loading = true;
    volumes_->Remove(card_root_);
    loading.VolumeRemoved(card_root_);
    QTest::qWait(3 * kFast.removal_retry_ms);
    QCOMPARE(host.list.RowCount(), 3);
    host.playback.loading = false;
    QTRY_COMPARE(host.list.RowCount(), 0);
    QCOMPARE(host.messages.shown, std::vector<std::string>{NoRecordingsText()});
    QCOMPARE(host.playback.calls, (Calls{"stop reset"}));
  }

  void cardTakenOutUnderTheLoadingWindowIsNotLeftListed() {
    FakeHost host;
    SourceLoading loading(host, *volumes_, kFast);
    QTimer::singleShot(5, [&] {
      volumes_->Remove(card_root_);
      loading.VolumeRemoved(card_root_);
    });
    loading.Drop({Recordings()});
    QTRY_COMPARE(host.list.RowCount(), 0);
    QCOMPARE(host.messages.shown, std::vector<std::string>{NoRecordingsText()});
    QVERIFY(loading.source_root().empty());
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::SourceLoadingTest)
#include "source_loading_test.moc"
