#include "app/program_paths.h"

#include <filesystem>
#include <system_error>

#include "platform/program_folder.h"
#include "platform/user_folders.h"

namespace vantrel {

namespace {

// An empty program folder must not turn into a folder at the file system's root: the temp
// folder is emptied on every stop.
std::string InProgramFolder(const char* relative) {
  const std::string folder = platform::ProgramFolder();
  return folder.empty() ? std::string() : folder + relative;
}

}  // namespace

std::string OptionFilePath() { return InProgramFolder("/config/option.ini"); }

std::string TempFolder() { return InProgramFolder("/temp"); }

std::string DefaultCaptureFolder() {
  const std::string documents = platform::DocumentsFolder();
  if (documents.empty()) return {};
  const std::string folder = documents + "/CAM_CAPTURE";
  std::error_code ignored;
  std::filesystem::create_directory(folder, ignored);
  return folder;
}

}  // namespace vantrel
