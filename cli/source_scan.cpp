#include "source_scan.h"

#include "files/input_file.h"
#include "platform/volume_provider_linux.h"
#include "platform/volume_provider_simulated.h"

namespace vantrel::cli {

std::unique_ptr<platform::VolumeProvider> OpenVolumes(const std::optional<std::string>& cards_file,
                                                      std::string* error) {
  if (!cards_file) return std::make_unique<platform::LinuxVolumeProvider>();
  // A fifo or a device would be waited on or read without end.
  if (const std::string problem = files::InputProblem(*cards_file); !problem.empty()) {
    *error = "cannot read the card description " + *cards_file + ": " + problem;
    return nullptr;
  }
  auto simulated = std::make_unique<platform::SimulatedVolumeProvider>();
  if (!simulated->Load(*cards_file)) {
    *error = "cannot read the card description " + *cards_file;
    return nullptr;
  }
  return simulated;
}

void SetUpCatalogue(RecordingCatalogue& catalogue) {
  for (std::string_view name : kLyfsDirectoryNames) catalogue.AddDirectoryName(name);
  catalogue.AddExtension(kRecordingExtension);
}

std::string Field(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
  }
  return text;
}

}  // namespace vantrel::cli
