#include "sim/lyfs_card_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "device/card_labels.h"
#include "device/lyfs_partition_format.h"
#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"
#include "lyfs/opened_device.h"
#include "lyfs/result_text.h"
#include "sim/fat_partition.h"
#include "sim/file_digest.h"
#include "sim/recording_writer.h"

namespace vantrel::sim {

namespace {

constexpr std::string_view kModels[] = {"KT410A", "KT520A",         "KT730A",
                                        "MERIDA", "KT520A(Merida)", "KT730A(Merida)"};

// A folder of its own for the recordings on their way to the card; removed with its content.
class WorkFolder {
 public:
  WorkFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dashcam-sim-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// An empty sparse image of `size` bytes at path. Whatever already exists there must be a regular
// file: it is checked on the opened file itself, so a disk is never truncated or written.
bool MakeEmptyImage(const std::string& path, uint64_t size, std::string* error) {
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0644);
  if (descriptor < 0) {
    *error = "cannot create " + path;
    return false;
  }
  struct stat info {};
  bool made = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
  if (!made) {
    *error = path + " exists and is not a regular file; a card image is never written over it";
  } else if (::ftruncate(descriptor, 0) != 0 ||
             ::ftruncate(descriptor, static_cast<off_t>(size)) != 0) {
    *error = "cannot size " + path;
    made = false;
  }
  ::close(descriptor);
  return made;
}

std::string FormatProblem(int code) {
  switch (code) {
    case device::kLyfsFormatTooSmall:
    case device::kLyfsFormatSecondFailed:
      return "the card is too small for the model's partitions";
    default:
      return "the LyFS partitioning or format failed (" + std::to_string(code) + ")";
  }
}

// A stand-in for the recorder's settings file: the head lines of the real file (the product
// name and versions), CR LF ended, so the FAT partition carries a "setup.cfg" as a card does.
std::string SetupFileText(std::string_view model) {
  const std::string product(model.substr(0, model.find('(')));
  return "Product Name            : " + product +
         "\r\n"
         "H/W Version             : V1.0\r\n"
         "S/W Version             : V1.0.0\r\n";
}

bool PutSetupFile(const std::string& image, std::string_view model, const WorkFolder& work,
                  std::string* error) {
  const auto partition = FindFatPartition(image);
  if (!partition) {
    *error = "the formatted card has no FAT32 partition 1";
    return false;
  }
  if (!FormatFatPartition(image, *partition, device::CardVolumeLabel(model), error)) return false;
  const std::string local = work.File("setup.cfg");
  std::ofstream(local, std::ios::binary) << SetupFileText(model);
  return CopyIntoFat(image, *partition, local, "setup.cfg", error);
}

bool PutRecordings(const std::string& image, const LyfsCardDescription& card,
                   const std::vector<PlannedRecording>& plan, const WorkFolder& work,
                   std::string* error, std::vector<WrittenCardFile>* written) {
  lyfs::OpenedDevice opened(image);
  if (opened.result() != LYFS_OK) {
    *error =
        std::string("the formatted card cannot be opened: ") + lyfs::ResultText(opened.result());
    return false;
  }
  for (const PlannedRecording& planned : plan) {
    WrittenCardFile file;
    file.directory = LyfsDirectoryOf(planned.description.kind, card.model);
    file.name = RecordingFileName(planned.description);
    const std::string local = work.File(file.name);
    if (!WriteRecording(planned.description, local, error)) return false;
    file.sha256 = Sha256OfFile(local);
    lyfs::FileFacts facts;
    const int result =
        lyfs::PutFile(opened.block(), file.directory.c_str(), file.name.c_str(), local, &facts);
    std::error_code ignored;
    std::filesystem::remove(local, ignored);
    if (result != LYFS_OK) {
      *error = file.directory + "/" + file.name + ": " + lyfs::ResultText(result);
      if (result == LYFS_ERROR_NO_SPACE) *error += " (a larger card holds more)";
      return false;
    }
    file.size = facts.size;
    if (written != nullptr) written->push_back(std::move(file));
  }
  return true;
}

}  // namespace

bool IsRecorderModel(std::string_view model) {
  for (std::string_view known : kModels) {
    if (model == known) return true;
  }
  return false;
}

std::string LyfsDirectoryOf(std::string_view kind, std::string_view model) {
  if (kind == "EVT") return "EVENT";
  if (kind == "PRK" || kind == "MOT" || kind == "MDI") return "PARKING";
  return model == "MERIDA" ? "NORMAL" : "INFINITE";
}

bool WriteLyfsCard(const LyfsCardDescription& card, const std::string& image, std::string* error,
                   std::vector<WrittenCardFile>* written) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  error->clear();
  if (!IsRecorderModel(card.model)) {
    *error = "unknown recorder model \"" + card.model + "\"";
    return false;
  }
  if (card.size_bytes == 0 || card.size_bytes % (1 << 20) != 0) {
    *error = "a card image is a whole number of MiB";
    return false;
  }
  const std::vector<PlannedRecording> plan = PlanCard(card.recordings, error);
  if (!error->empty()) return false;
  WorkFolder work;
  if (!work.ok()) {
    *error = "cannot make a work folder";
    return false;
  }
  if (!MakeEmptyImage(image, card.size_bytes, error)) return false;
  const int formatted = device::LyfsPartitionFormat(image, card.model, card.sd_allocation);
  if (formatted != device::kLyfsFormatDone) {
    *error = FormatProblem(formatted);
    return false;
  }
  return PutSetupFile(image, card.model, work, error) &&
         PutRecordings(image, card, plan, work, error, written);
}

}  // namespace vantrel::sim
