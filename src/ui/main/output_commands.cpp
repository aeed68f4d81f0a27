#include "ui/main/output_commands.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include "app/language.h"
#include "app/program_paths.h"
#include "catalogue/lyfs_device.h"
#include "platform/user_folders.h"
#include "tools/output/channel_pictures.h"
#include "tools/output/report_inputs.h"
#include "tools/output/save_copy.h"
#include "tools/output/snapshot_capture.h"
#include "ui/main/copy_progress_dialog.h"
#include "ui/report/report_painter.h"
#include "ui/skin/rb_list_ctrl.h"

namespace vantrel::ui {
namespace {

const QString kTitle = QStringLiteral("Vantrel Viewer");

QString LocalPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

std::optional<std::string> ChooseSavePath(QWidget* parent, const std::string& initial_path,
                                          const std::string& filter) {
  // Qt's dialog asks before an existing file is overwritten, and can be resized.
  const QString chosen = QFileDialog::getSaveFileName(parent, QString(), LocalPath(initial_path),
                                                      QString::fromStdString(filter));
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen).toStdString();
}

bool AskYesNo(QWidget* parent, const std::string& text) {
  return QMessageBox::question(parent, kTitle, QString::fromStdString(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void OpenFolder(const std::string& folder) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(LocalPath(folder)));
}

bool ChoosePrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  return dialog.exec() == QDialog::Accepted;
}

bool Playing(PlaybackState state) {
  return state == PlaybackState::kRunning || state == PlaybackState::kPaused;
}

}  // namespace

OutputDialogs StandardOutputDialogs() {
  return {ChooseSavePath, AskYesNo, OpenFolder, ChoosePrinter, tools::ReadLocalClock};
}

OutputCommands::OutputCommands(OutputHost host, OutputDialogs dialogs)
    : host_(std::move(host)), dialogs_(std::move(dialogs)) {}

std::string OutputCommands::Text(uint32_t id) const {
  return LoadLanguageString(host_.options.language, id).value_or("");
}

void OutputCommands::Capture() {
  const GraphPictures pictures(host_.graph());
  QWidget* parent = host_.parent;
  const SnapshotCommandParts parts{host_.playback,
                                   pictures,
                                   host_.options,
                                   host_.messages(),
                                   OptionFilePath(),
                                   DefaultCaptureFolder,
                                   dialogs_.clock,
                                   [this, parent](const std::string& text) { return dialogs_.ask(parent, text); },
                                   dialogs_.open_folder};
  const int row = host_.list.CurrentRow();
  const std::string name = row < 0 ? std::string() : CellText(host_.list, row, kNameColumn);
  SnapshotCapture(parts, name, host_.list.RowCount());
}

void OutputCommands::SaveCopy() {
  if (host_.playback.Loading()) return;
  if (host_.catalogue.open_source_kind() != SourceKind::kLyfsCard) return;
  const bool was_running = host_.playback.State() == PlaybackState::kRunning;
  if (was_running) host_.playback.PausePlayback();
  if (const RecordingEntry* entry = host_.catalogue.EntryAtRow(host_.list.CurrentRow())) {
    CopyEntry(*entry);
  }
  if (was_running && host_.list.RowCount() > 0) host_.playback.ResumePlayback();
}

void OutputCommands::CopyEntry(const RecordingEntry& entry) {
  const std::optional<SaveCopyPlan> plan =
      PlanSaveCopy(host_.catalogue, entry, platform::DesktopFolder());
  if (!plan) return;
  const std::optional<std::string> target =
      dialogs_.choose_save_path(host_.parent, plan->initial_path, SaveCopyFilter(*plan));
  if (!target || CopiesOntoItself(*plan, *target)) return;
  // The copy reads through its own copy of the card's block: a card closed meanwhile only makes
  // the copy fail.
  std::optional<LyfsDeviceBlock> device;
  if (const LyfsDeviceBlock* open = host_.catalogue.lyfs_device()) device = *open;
  const tools::CopyOutcome outcome = RunCopyWithProgress(
      host_.parent, QString::fromStdString(Text(kCopyProgressText)),
      QString::fromStdString(Text(kCancelText)),
      [&](tools::CopyProgress& progress) { return RunSaveCopy(*plan, device, *target, progress); });
  if (outcome == tools::CopyOutcome::kFailed) host_.messages().Show(Text(kCopyFailedText));
  if (outcome == tools::CopyOutcome::kCancelled) host_.messages().Show(Text(kCopyCancelledText));
}

void OutputCommands::Print() {
  if (host_.playback.Loading()) return;
  const MediaGraph* graph = host_.graph();
  const PlaybackState state = host_.playback.State();
  if (graph == nullptr || !Playing(state)) return;
  // The report is of this moment; playback stays paused afterwards, also after Cancel.
  if (state == PlaybackState::kRunning) host_.playback.PausePlayback();
  QPrinter printer(QPrinter::HighResolution);
  if (!dialogs_.choose_printer(host_.parent, printer)) return;
  const ReportInputs inputs =
      CollectReportInputs(GraphPictures(graph), graph->PositionMs(), host_.telemetry,
                          host_.options.model, dialogs_.clock());
  const QImage map = map_picture_ ? map_picture_() : QImage();
  PaintReport(printer, inputs, map, ReportTextsOf(host_.options.language));
}

}  // namespace vantrel::ui
