#include "tools/output/save_copy.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"

namespace vantrel {
namespace {

// A card name is only ever a file name on this computer.
std::string AsFileName(std::string name) {
  for (char& c : name) {
    if (c == '/') c = '_';
  }
  return name;
}

tools::CopyOutcome CopyFile(const std::string& source, const std::string& target,
                            tools::CopyProgress& progress) {
  const int descriptor = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return tools::CopyOutcome::kFailed;
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(source, error);
  if (!error) progress.total = size;
  const tools::BlockReader read = [descriptor](uint8_t* buffer, size_t size) -> int64_t {
    for (;;) {
      const ssize_t got = ::read(descriptor, buffer, size);
      if (got >= 0 || errno != EINTR) return got;
    }
  };
  const tools::CopyOutcome outcome = tools::CopyBlocks(read, kSaveCopyBlockBytes, target, progress);
  ::close(descriptor);
  return outcome;
}

tools::CopyOutcome CopyCardFile(const SaveCopyPlan& plan, LyfsDeviceBlock device,
                                const std::string& target, tools::CopyProgress& progress) {
  void* block = device.bytes.data();
  const int handle = QX_LyFS_File_Open(block, plan.source.c_str(), "r", 0, 0, plan.file_id);
  if (handle <= 0) return tools::CopyOutcome::kFailed;
  if (const auto facts = lyfs::StatFile(block, handle)) progress.total = facts->size;
  const tools::BlockReader read = [block, handle](uint8_t* buffer, size_t size) -> int64_t {
    return QX_LyFS_File_Read(block, buffer, static_cast<int>(size), handle);
  };
  const tools::CopyOutcome outcome = tools::CopyBlocks(read, kSaveCopyBlockBytes, target, progress);
  QX_LyFS_File_Close(block, handle);
  return outcome;
}

}  // namespace

std::optional<SaveCopyPlan> PlanSaveCopy(const RecordingCatalogue& catalogue,
                                         const RecordingEntry& entry, const std::string& desktop) {
  SaveCopyPlan plan;
  if (entry.lyfs_file_id < 1) {
    const size_t slash = entry.path.rfind('/');
    const std::string name = entry.path.substr(slash == std::string::npos ? 0 : slash + 1);
    plan.initial_path = desktop + "/" + name;
    // Taken from the name: a dot in a folder name is no extension.
    const size_t dot = name.rfind('.');
    plan.extension = dot == std::string::npos ? "*" : name.substr(dot + 1);
    plan.source = entry.path;
    return plan;
  }
  const DirectoryName* directory = catalogue.DirectoryNameAt(entry.group);
  if (directory == nullptr) return std::nullopt;
  const size_t dot = entry.path.rfind('.');
  const std::string stem = dot == std::string::npos ? std::string() : entry.path.substr(0, dot);
  plan.extension = std::string(kDefaultExtension);
  plan.initial_path = desktop + "/" + AsFileName(stem) + "." + plan.extension;
  plan.on_card = true;
  // The full name: a name cut to the 64-byte narrow copy would open nothing, or another file.
  plan.source = "/" + directory->name + "/" + entry.name;
  plan.file_id = entry.lyfs_file_id;
  if (const SourceRecord* source = catalogue.SourceAt(catalogue.opened_source_index())) {
    plan.card_device = source->device_path;
  }
  return plan;
}

std::string SaveCopyFilter(const SaveCopyPlan& plan) { return "video (*." + plan.extension + ")"; }

bool CopiesOntoItself(const SaveCopyPlan& plan, const std::string& target) {
  const std::string& source = plan.on_card ? plan.card_device : plan.source;
  if (source.empty()) return false;
  if (target == source) return true;
  std::error_code error;
  return std::filesystem::equivalent(source, target, error) && !error;
}

tools::CopyOutcome RunSaveCopy(const SaveCopyPlan& plan,
                               const std::optional<LyfsDeviceBlock>& device,
                               const std::string& target, tools::CopyProgress& progress) {
  if (!plan.on_card) return CopyFile(plan.source, target, progress);
  if (!device) return tools::CopyOutcome::kFailed;
  return CopyCardFile(plan, *device, target, progress);
}

}  // namespace vantrel
