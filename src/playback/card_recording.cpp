#include "playback/card_recording.h"

#include <filesystem>
#include <memory>

#include "tools/avi_repair.h"

namespace vantrel {

RepairFiles RepairFilesFor(const std::string& folder, const std::string& name,
                           tools::RepairAction action) {
  const std::string base = folder + "/" + tools::SafePartName(name);
  return {base + "_hdlr", base + "_movi",
          base + (action == tools::RepairAction::kAddAudio ? "_AddAudio.avi" : "_REPAIR.avi")};
}

CardPlayback PrepareCardRecording(const RecordingEntry& entry, intptr_t card_device,
                                  const std::string& temp_folder) {
  CardPlayback direct;
  direct.path = entry.path;
  direct.device = card_device;
  direct.value = entry.lyfs_file_id;

  const std::unique_ptr<avi::ByteSource> card_file =
      OpenCardSource(card_device, entry.lyfs_file_id, entry.path);
  if (!card_file) return direct;
  const auto facts = tools::ReadRecordingFacts(*card_file);
  if (!facts || facts->action == tools::RepairAction::kDirect) return direct;

  CardPlayback copy;
  copy.action = facts->action;
  const RepairFiles files = RepairFilesFor(temp_folder, entry.name, facts->action);
  copy.path = files.output;
  if (temp_folder.empty()) {  // no program folder: nowhere to put the parts
    copy.kind = CardPlayback::Kind::kPartsFailed;
    return copy;
  }
  std::error_code ignored;
  if (facts->action == tools::RepairAction::kAddAudio && std::filesystem::exists(files.output)) {
    return copy;
  }
  std::filesystem::create_directories(temp_folder, ignored);
  std::filesystem::remove(files.output, ignored);
  if (!tools::WriteRecordingParts(*card_file, *facts, files.header_part, files.movie_part)) {
    copy.kind = CardPlayback::Kind::kPartsFailed;
    return copy;
  }
  const bool rebuilt = tools::AviRepair(files.header_part, files.movie_part, files.output,
                                        facts->audio_less, facts->riff_size);
  // A failed rebuild must not be taken for a finished one the next time this recording plays.
  if (!rebuilt && facts->action == tools::RepairAction::kAddAudio) {
    std::filesystem::remove(files.output, ignored);
  }
  return copy;
}

}  // namespace vantrel
