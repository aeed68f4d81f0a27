#include "device/format_card.h"

#include <cstdio>

#include "app/language.h"
#include "device/card_file_parking.h"
#include "device/card_files.h"
#include "device/card_labels.h"
#include "device/lyfs_partition_format.h"
#include "lyfs/lyfs.h"

namespace vantrel::device {
namespace {

constexpr uint32_t kFormatQuestionText = 235;
constexpr uint32_t kNotACardText = 5040;
constexpr uint32_t kFilesKeptText = 5041;
constexpr uint32_t kParkingFailedText = 5042;

std::string LanguageText(int language_index, uint32_t id) {
  return LoadLanguageString(language_index, id).value_or("");
}

std::string WithPath(std::string text, const std::string& path) {
  const size_t at = text.find("%s");
  if (at == std::string::npos) return text.empty() ? path : text + "\n" + path;
  return text.replace(at, 2, path);
}

std::string LyfsFailedText(int code) {
  char text[128];
  std::snprintf(text, sizeof text, kLyfsFormatFailedMessage, code);
  return text;
}

bool Holds(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& held : names) {
    if (held == name) return true;
  }
  return false;
}

// The format itself; returns the root the card can be written at afterwards (the old one when
// nothing better is known, so a restore there fails and keeps the files if the card is gone).
std::string Format(const CardFormatJob& job, platform::CardFormatter& formatter,
                   CardFormatOutcome& outcome) {
  using Target = platform::CardFormatter::Target;
  if (job.kind == CardFormatKind::kFat) {
    outcome.succeeded = true;
    if (!job.fat_label) return job.card.root;  // the dialog was cancelled
    if (std::optional<std::string> root =
            formatter.FormatFat(job.card, Target::kVolume, *job.fat_label)) {
      return *root;
    }
    // Our dialog stands for the system's, which told the user of a failed format itself.
    outcome.succeeded = false;
    outcome.messages.push_back(kFatFormatFailedMessage);
    return job.card.root;
  }
  // The legacy-system refusal of LyFS formats (Windows before the window-message filter) has no
  // counterpart on Linux: every supported system formats LyFS cards.
  outcome.result = formatter.ReleaseVolume(job.card)
                       ? LyfsPartitionFormat(job.card.device_path, job.model, job.sd_allocation)
                       : kLyfsFormatDeleteFailed;
  if (outcome.result != kLyfsFormatDone) {
    outcome.messages.push_back(LyfsFailedText(outcome.result));
    return job.card.root;
  }
  outcome.succeeded = true;
  const std::optional<std::string> root =
      formatter.FormatFat(job.card, Target::kFirstPartition, CardVolumeLabel(job.model));
  outcome.messages.push_back(root ? kFormatDoneMessage : kFatFormatFailedMessage);
  return root.value_or(job.card.root);
}

}  // namespace

std::string ParkingParent(const std::string& program_folder) {
  return CardFilePath(program_folder, "parked");
}

CardFormatKind FormatKindFor(const std::string& device_path, std::string_view model) {
  if (model == "MERIDA" || IsMeridaVariant(model)) return CardFormatKind::kLyfs;
  return QX_LyFS_Check_LyFS_partition(device_path.c_str()) != 0 ? CardFormatKind::kLyfs
                                                                : CardFormatKind::kFat;
}

CardFormatOutcome RunCardFormat(const CardFormatJob& job, platform::CardFormatter& formatter) {
  CardFormatOutcome outcome;
  std::optional<ParkedCardFiles> parked =
      ParkedCardFiles::Park(job.card.root, job.card_files, job.parking_parent);
  if (!parked) {
    // Nothing is formatted when the card's own files cannot be kept safe first.
    outcome.messages.push_back(LanguageText(job.language_index, kParkingFailedText));
    return outcome;
  }
  // Format waits for the format's end, so the files are never put onto a card still being
  // formatted.
  const std::string root = Format(job, formatter, outcome);
  outcome.restored = parked->Restore(root);
  if (outcome.restored.size() != parked->names().size()) {
    outcome.kept_folder = parked->folder();
    outcome.messages.push_back(
        WithPath(LanguageText(job.language_index, kFilesKeptText), outcome.kept_folder));
  }
  if (!Holds(job.card_files, kInstallerFileName)) {
    CopyInstallerToCard(job.program_folder, root);
  }
  return outcome;
}

FormatCardResult FormatCard(const FormatCardRequest& request, FormatCardPorts& ports) {
  FormatCardResult result;
  if (!request.card) return result;
  const std::optional<std::string> question =
      LoadLanguageString(request.language_index, kFormatQuestionText);
  if (!question || !ports.Confirm(*question)) return result;
  if (!platform::OfferableAsCard(*request.card)) {
    ports.Show(LanguageText(request.language_index, kNotACardText));
    return result;
  }
  CardFormatJob job;
  job.card = *request.card;
  job.model = request.model;
  job.sd_allocation = request.sd_allocation;
  job.kind = result.kind = FormatKindFor(job.card.device_path, job.model);
  for (const char* name : {kInstallerFileName, kSettingsFileName}) {
    if (CardFileExists(job.card.root, name)) job.card_files.push_back(name);
  }
  job.program_folder = request.program_folder;
  job.parking_parent = request.parking_parent;
  job.language_index = request.language_index;
  if (job.kind == CardFormatKind::kFat)
    job.fat_label = ports.AskFatLabel(FatDialogLabel(job.model));
  result.outcome = ports.Run(job);
  result.ran = true;
  result.succeeded = result.outcome.succeeded;
  for (const std::string& message : result.outcome.messages) ports.Show(message);
  return result;
}

}  // namespace vantrel::device
