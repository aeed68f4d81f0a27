#include "sim/lyfs_card_files.h"

#include <filesystem>
#include <fstream>

namespace vantrel::sim {

namespace {

bool WriteText(const std::string& file, const std::string& text, std::string* error) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  out.flush();
  if (!out) *error = "cannot write " + file;
  return static_cast<bool>(out);
}

// The value as the description's reader will read it back, or empty when it would not be.
std::string DescriptionValue(const std::string& text) {
  if (text.empty() || text.find_first_of("\r\n") != std::string::npos || text.front() == ' ' ||
      text.front() == '\t' || text.back() == ' ' || text.back() == '\t') {
    return "";
  }
  return text;
}

}  // namespace

bool WriteCardManifest(const std::string& file, const std::vector<WrittenCardFile>& written,
                       std::string* error) {
  std::string text;
  for (const WrittenCardFile& recording : written) {
    text += recording.directory + '\t' + recording.name + '\t' + std::to_string(recording.size) +
            '\t' + recording.sha256 + '\n';
  }
  return WriteText(file, text, error);
}

bool WriteSimulatedCardFile(const std::string& file, const std::string& root,
                            const std::string& image, const std::string& label,
                            std::string* error) {
  const std::string root_value = DescriptionValue(std::filesystem::absolute(root).string());
  const std::string image_value = DescriptionValue(std::filesystem::absolute(image).string());
  if (root_value.empty() || image_value.empty()) {
    *error = "the card's folder or image path cannot be written in a description file";
    return false;
  }
  std::string text = "# A LyFS card image made by dashcam-sim lyfs-card, as a removable card.\n";
  text += "[volume]\n";
  text += "root = " + root_value + "\n";
  if (!DescriptionValue(label).empty()) text += "label = " + label + "\n";
  text += "file_system = vfat\nremovable = 1\nsector_size = 512\n";
  text += "device = " + image_value + "\n";
  return WriteText(file, text, error);
}

}  // namespace vantrel::sim
