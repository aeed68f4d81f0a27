#include "device/widgets/format_card_runner.h"

#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>

#include "app/language.h"
#include "app/user_messages.h"
#include "device/simulated_card_formatter.h"
#include "device/widgets/fat_format_dialog.h"

namespace vantrel::ui {
namespace {

constexpr uint32_t kBusyText = 5047;

}  // namespace

bool QtFormatCardPorts::Confirm(const std::string& question) {
  return QMessageBox::question(owner_, QString(), QString::fromStdString(question),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtFormatCardPorts::AskFatLabel(const std::string& label) {
  CFatFormatDlg dialog(label, language_index_, owner_);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.label();
}

device::CardFormatOutcome QtFormatCardPorts::Run(const device::CardFormatJob& job) {
  device::CardFormatOutcome outcome;
  platform::CardFormatter& formatter = device::FormatterFor(job.card);
  QProgressDialog busy(
      QString::fromStdString(LoadLanguageString(language_index_, kBusyText).value_or("")),
      QString(), 0, 0, owner_);
  busy.setWindowModality(Qt::WindowModal);
  busy.setCancelButton(nullptr);
  busy.setMinimumDuration(0);
  QThread* worker =
      QThread::create([&outcome, &job, &formatter] { outcome = RunCardFormat(job, formatter); });
  QObject::connect(worker, &QThread::finished, &busy, &QProgressDialog::reset);
  worker->start();
  // The busy window's own loop keeps the user interface painted until the format has ended.
  if (!worker->isFinished()) busy.exec();
  worker->wait();
  delete worker;
  return outcome;
}

void QtFormatCardPorts::Show(const std::string& text) { messages_.Show(text); }

device::FormatCardResult RunFormatCard(QWidget* owner, UserMessages& messages,
                                       const device::FormatCardRequest& request) {
  QtFormatCardPorts ports(owner, messages, request.language_index);
  return device::FormatCard(request, ports);
}

}  // namespace vantrel::ui
