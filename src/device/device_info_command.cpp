#include "device/device_info_command.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>

namespace vantrel::device {
namespace {

constexpr size_t kLabelChars = 26;
constexpr int kLineBuffer = 256;

std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlank = "\b\t\r\n";
  const size_t first = text.find_first_not_of(kBlank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

}  // namespace

std::optional<FirmwareFacts> ReadFirmwareFacts(const std::string& setup_cfg_path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
      std::fopen(setup_cfg_path.c_str(), "r"), &std::fclose);
  if (!file) return std::nullopt;
  FirmwareFacts facts;
  char line[kLineBuffer];
  for (int index = 0; index < 3 && std::fgets(line, sizeof line, file.get()) != nullptr; ++index) {
    const size_t length = std::strlen(line);
    if (length <= kLabelChars) break;
    const std::string value(Trimmed(std::string_view(line + kLabelChars, length - kLabelChars)));
    if (index == 0) facts.product = value;
    if (index == 2) facts.version = value;
  }
  return facts;
}

std::optional<std::string> FirmwareRefusal(const FirmwareFacts& facts) {
  std::string_view minimum;
  if (facts.product == "MERIDA") {
    minimum = "V1.02";
  } else if (facts.product == "KT520A" || facts.product == "KT730A") {
    minimum = "V1.11";
  } else {
    return kUnsupportedModelMessage;
  }
  // Text order, byte by byte: "V1.2" passes "V1.11" while "V1.10" does not, as the recorder's
  // own tools have always compared them.
  if (std::string_view(facts.version) < minimum) return kOldFirmwareMessage;
  return std::nullopt;
}

DeviceInfoResult DeviceInfoCommand(const std::vector<RecordingEntry>& entries,
                                   SourceKind source_kind, const std::string& source_root) {
  if (entries.empty()) return {kNothingPlayedMessage, std::nullopt};
  if (source_kind != SourceKind::kLyfsCard) return {kLyfsOnlyMessage, std::nullopt};
  const std::optional<FirmwareFacts> facts = ReadFirmwareFacts(source_root + "setup.cfg");
  if (!facts) return {kNoFirmwareMessage, std::nullopt};
  if (std::optional<std::string> refusal = FirmwareRefusal(*facts)) return {*refusal, std::nullopt};
  return {"", BuildCardFileSummary(entries)};
}

}  // namespace vantrel::device
