#include "platform/volume_labels.h"

#include <filesystem>

namespace vantrel::platform {
namespace {

constexpr std::string_view kLabelFolder = "/dev/disk/by-label";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string DecodeLabelLinkName(std::string_view link_name) {
  std::string label;
  label.reserve(link_name.size());
  for (size_t i = 0; i < link_name.size(); ++i) {
    if (link_name[i] == '\\' && link_name.size() - i > 3 && link_name[i + 1] == 'x') {
      const int high = HexValue(link_name[i + 2]);
      const int low = HexValue(link_name[i + 3]);
      // A NUL would cut the label short wherever it is passed on as C text; it stays escaped.
      if (high >= 0 && low >= 0 && high + low > 0) {
        label.push_back(static_cast<char>(high * 16 + low));
        i += 3;
        continue;
      }
    }
    label.push_back(link_name[i]);
  }
  return label;
}

std::map<std::string, std::string> ReadVolumeLabels(const VolumeFileRoot& files) {
  std::map<std::string, std::string> labels;
  for (const std::string& link_name : files.List(kLabelFolder)) {
    const std::optional<std::string> target =
        files.ReadLink(std::string(kLabelFolder) + "/" + link_name);
    if (!target) continue;
    const std::string device = std::filesystem::path(*target).filename().string();
    if (device.empty() || device == "." || device == "..") continue;
    labels.emplace(device, DecodeLabelLinkName(link_name));
  }
  return labels;
}

}  // namespace vantrel::platform
