#include "ui/report/report_pdf.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <memory>

#include "ui/report/report_painter.h"

namespace vantrel::ui {
namespace {

void Quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Fonts need a running QGuiApplication; a command-line run has none and no display.
std::unique_ptr<QGuiApplication> StartOffscreenGui() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "vantrel-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

bool WriteReportPdf(const ReportInputs& inputs, const std::optional<tools::ReportTexts>& texts,
                    const std::string& path, int dpi) {
  // The command line's standard error carries its own lines only, not Qt's remarks on the
  // platform it starts.
  const QtMessageHandler previous = qInstallMessageHandler(Quiet);
  const std::unique_ptr<QGuiApplication> gui = StartOffscreenGui();
  QFile file(QFile::decodeName(path.c_str()));
  bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
  if (written) {
    QPdfWriter writer(&file);
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setCreator(QStringLiteral("Vantrel Viewer"));
    written = PaintReport(writer, inputs, QImage(), texts);
  }
  if (file.isOpen()) {
    file.close();
    written = written && file.error() == QFileDevice::NoError;
    if (!written) file.remove();
  }
  qInstallMessageHandler(previous);
  return written;
}

}  // namespace vantrel::ui
