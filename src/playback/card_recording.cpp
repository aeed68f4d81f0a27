#include "playback/card_recording.h"

#include <filesystem>
#include <initializer_list>
#include <memory>

#include "tools/avi_repair.h"

namespace vantrel {

RepairFiles RepairFilesFor(const std::string& folder, const std::string& name,
                           tools::RepairAction action) {
  const std::string base = folder + "/" + tools::SafePartName(name);
  const std::string output =
      base + (action == tools::RepairAction::kAddAudio ? "_AddAudio.avi" : "_REPAIR.avi");
  return {base + "_hdlr", base + "_movi", output, output + ".unfinished"};
}

namespace {

// Called on loader threads, where a throwing call would end the process: every file system
// call takes an error code, and a folder that cannot be looked into fails the parts instead.
void RemoveFiles(std::initializer_list<const std::string*> paths) {
  std::error_code ignored;
  for (const std::string* path : paths) std::filesystem::remove(*path, ignored);
}

}  // namespace

CardPlayback PrepareCardRecording(const RecordingEntry& entry, intptr_t card_device,
                                  const std::string& temp_folder,
                                  const tools::CancelCheck& cancelled) {
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
  std::error_code error;
  if (facts->action == tools::RepairAction::kAddAudio &&
      std::filesystem::is_regular_file(files.output, error)) {
    return copy;  // only ever a finished rebuild carries this name
  }
  std::filesystem::create_directories(temp_folder, error);
  RemoveFiles({&files.output, &files.unfinished});
  if (!tools::WriteRecordingParts(*card_file, *facts, files.header_part, files.movie_part,
                                  cancelled)) {
    copy.kind = CardPlayback::Kind::kPartsFailed;
    if (tools::IsCancelled(cancelled)) {
      copy.kind = CardPlayback::Kind::kCancelled;
      RemoveFiles({&files.header_part, &files.movie_part});
    }
    return copy;
  }
  const bool rebuilt =
      tools::AviRepair(files.header_part, files.movie_part, files.unfinished, facts->audio_less,
                       facts->riff_size, tools::MovieCopy::kMapped, nullptr, cancelled);
  if (rebuilt) std::filesystem::rename(files.unfinished, files.output, error);
  if (!rebuilt || error) RemoveFiles({&files.unfinished});
  if (!rebuilt && tools::IsCancelled(cancelled)) {
    copy.kind = CardPlayback::Kind::kCancelled;
    RemoveFiles({&files.header_part, &files.movie_part});
  }
  return copy;
}

}  // namespace vantrel
