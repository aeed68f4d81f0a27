// The window's Save copy and Print commands with answered dialogs: which sources offer a copy,
// a card recording copied through the progress window and a copy cancelled in it, copies that
// cannot be made, and the report printed into a PDF file with playback left paused.
#include <QApplication>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <thread>

#include "catalogue/lyfs_card_scan.h"
#include "playing_window.h"
#include "run_program.h"
#include "sim/file_digest.h"
#include "sim/lyfs_card_writer.h"
#include "small_lyfs_card.h"
#include "ui/main/control_ids.h"
#include "ui/main/copy_progress_dialog.h"
#include "ui/main/output_commands.h"

namespace vantrel::ui {
namespace {

namespace fs = std::filesystem;

// Dialogs that answer as the test says and count how often they were asked.
struct AnsweredDialogs {
  std::optional<std::string> save_path;
  int save_dialogs = 0;
  std::string offered_path;
  std::string offered_filter;
  std::string pdf;
  int print_dialogs = 0;

  OutputDialogs Dialogs() {
    OutputDialogs dialogs = StandardOutputDialogs();
    dialogs.choose_save_path = [this](QWidget*, const std::string& initial,
                                      const std::string& filter) {
      ++save_dialogs;
      offered_path = initial;
      offered_filter = filter;
      return save_path;
    };
    dialogs.choose_printer = [this](QWidget*, QPrinter& printer) {
      ++print_dialogs;
      if (pdf.empty()) return false;
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(QString::fromStdString(pdf));
      return true;
    };
    dialogs.clock = [] { return tools::LocalTime{2026, 12, 7, 5, 30, 0, 0}; };
    return dialogs;
  }
};

// The card's recordings listed in the window as an opened LyFS card leaves them.
bool OpenCard(CRecboxViewerDlg& window, const std::string& image,
              std::vector<sim::WrittenCardFile>* written) {
  RecordingCatalogue& catalogue = window.Catalogue();
  std::string error;
  if (!sim::WriteLyfsCard(test::SmallLyfsCard(), image, &error, written)) return false;
  SourceRecord source;
  source.root = "/media/card/";
  source.device_path = image;
  source.kind = SourceKind::kLyfsCard;
  if (!ScanLyfsCard(catalogue, source)) return false;
  catalogue.SortEntries();
  catalogue.set_open_source_kind(SourceKind::kLyfsCard);
  catalogue.FillAll(window.List(), [](uint32_t) { return std::nullopt; });
  window.List().SelectRow(0);
  return true;
}

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void SaveCopyDoesNothingForFoldersAndFatCards() {
    WindowFixture fixture;
    AnsweredDialogs answers;
    fixture.window->output().SetDialogs(answers.Dialogs());
    fixture.playback.state = PlaybackState::kRunning;
    for (SourceKind kind : {SourceKind::kComputerFolder, SourceKind::kFatCard, SourceKind::kNone}) {
      fixture.window->Catalogue().set_open_source_kind(kind);
      fixture.window->OnCommand(button_id::kSaveCopy);
    }
    QCOMPARE(answers.save_dialogs, 0);
    QCOMPARE(fixture.playback.pauses, 0);
    QCOMPARE(fixture.playback.resumes, 0);
  }

  void SaveCopyCopiesACardRecordingByteForByte() {
    test::TempDir dir;
    WindowFixture fixture;
    std::vector<sim::WrittenCardFile> written;
    QVERIFY(OpenCard(*fixture.window, dir.File("card.img"), &written));
    AnsweredDialogs answers;
    answers.save_path = dir.File("copy.avi");
    fixture.window->output().SetDialogs(answers.Dialogs());
    fixture.playback.state = PlaybackState::kRunning;

    fixture.window->OnCommand(button_id::kSaveCopy);
    QCOMPARE(answers.save_dialogs, 1);
    QCOMPARE(answers.offered_filter, std::string("video (*.avi)"));
    const RecordingEntry* entry = fixture.window->Catalogue().EntryAtRow(0);
    QVERIFY(entry != nullptr);
    const auto file = std::find_if(written.begin(), written.end(),
                                   [entry](const auto& f) { return f.name == entry->name; });
    QVERIFY(file != written.end());
    QCOMPARE(sim::Sha256OfFile(dir.File("copy.avi")), file->sha256);
    QVERIFY(fixture.messages.texts.empty());
    QCOMPARE(fixture.playback.pauses, 1);
    QCOMPARE(fixture.playback.resumes, 1);

    // Cancel in the save dialog copies nothing and says nothing.
    answers.save_path.reset();
    fs::remove(dir.File("copy.avi"));
    fixture.window->OnCommand(button_id::kSaveCopy);
    QVERIFY(!fs::exists(dir.File("copy.avi")));
    QVERIFY(fixture.messages.texts.empty());
  }

  void ACopyThatCannotBeMadeLeavesNoTargetAndSaysSo() {
    test::TempDir dir;
    WindowFixture fixture;
    QVERIFY(OpenCard(*fixture.window, dir.File("card.img"), nullptr));
    AnsweredDialogs answers;
    answers.save_path = dir.File("copy.avi");
    fixture.window->output().SetDialogs(answers.Dialogs());
    // The card is gone: its file cannot be opened any more.
    fixture.window->Catalogue().ReleaseLyfsDevice();
    fixture.window->OnCommand(button_id::kSaveCopy);
    QVERIFY(!fs::exists(dir.File("copy.avi")));
    QCOMPARE(fixture.messages.texts,
             std::vector<std::string>{*LoadLanguageString(kEnglish, kCopyFailedText)});
  }

  void ACopyOntoItselfCopiesNothing() {
    test::TempDir dir;
    WindowFixture fixture;
    RecordingCatalogue& catalogue = fixture.window->Catalogue();
    const std::string source = dir.File("REC_20240101_100000.avi");
    QVERIFY(test::WriteFile(source, std::string(1000, 'v')));
    catalogue.BeginScan();
    catalogue.AddEntry(MakeEntry("REC_20240101_100000.avi", 0, -1, source, 1000));
    catalogue.set_open_source_kind(SourceKind::kLyfsCard);
    catalogue.FillAll(fixture.window->List(), [](uint32_t) { return std::nullopt; });
    fixture.window->List().SelectRow(0);
    AnsweredDialogs answers;
    answers.save_path = source;
    fixture.window->output().SetDialogs(answers.Dialogs());
    fixture.window->OnCommand(button_id::kSaveCopy);
    QCOMPARE(answers.save_dialogs, 1);
    QCOMPARE(test::ReadFile(source), std::string(1000, 'v'));
    QVERIFY(fixture.messages.texts.empty());
  }

  void CancelInTheProgressWindowStopsTheCopy() {
    // The copy runs until it is told to stop; the progress window's Cancel tells it.
    QTimer::singleShot(0, [] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* progress = qobject_cast<QProgressDialog*>(widget)) {
          progress->findChild<QPushButton*>()->click();
        }
      }
    });
    const tools::CopyOutcome outcome =
        RunCopyWithProgress(nullptr, QStringLiteral("copying"), QStringLiteral("Cancel"),
                            [](tools::CopyProgress& progress) {
                              progress.total = 100;
                              while (!progress.cancel.load()) std::this_thread::yield();
                              return tools::CopyOutcome::kCancelled;
                            });
    QCOMPARE(outcome, tools::CopyOutcome::kCancelled);
  }

  void PrintWritesBothPagesAndLeavesPlaybackPaused() {
    PlayingWindow playing;
    QVERIFY(playing.Drop({ShortRecording(2, 0, 2.0)}));
    QTRY_VERIFY_WITH_TIMEOUT(playing.Running(), 20000);
    AnsweredDialogs answers;
    playing.window().output().SetDialogs(answers.Dialogs());

    // Cancel in the print dialog: paused all the same, nothing printed.
    playing.window().OnCommand(button_id::kPrint);
    QCOMPARE(answers.print_dialogs, 1);
    QCOMPARE(playing.controller().State(), PlaybackState::kPaused);

    answers.pdf = playing.dir.File("report.pdf");
    playing.window().OnCommand(button_id::kPrint);
    QCOMPARE(answers.print_dialogs, 2);
    QCOMPARE(playing.controller().State(), PlaybackState::kPaused);
    const std::string text = test::RunProgram("pdftotext", {answers.pdf, "-"}).output;
    QVERIFY2(text.find("KT410A Report") != std::string::npos, text.c_str());
    QVERIFY2(text.find("Page 2 of 2") != std::string::npos, text.c_str());
    QVERIFY2(text.find("Rear camera") != std::string::npos, text.c_str());

    // Stopped: no dialog at all.
    playing.controller().StopPlayback(false);
    playing.window().OnCommand(button_id::kPrint);
    QCOMPARE(answers.print_dialogs, 2);
  }
};

}  // namespace vantrel::ui

QTEST_MAIN(vantrel::ui::OutputCommandsTest)
#include "output_commands_test.moc"
