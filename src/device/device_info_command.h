// The card information command of the about box: whether the open card may show its file
// summary (a LyFS card of a supported model with a recent enough firmware, by its "setup.cfg"),
// and the summary itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/recording_entry.h"
#include "catalogue/source_record.h"
#include "device/card_file_summary.h"

namespace vantrel::device {

inline constexpr char kNothingPlayedMessage[] = "정보를 확인할 SD카드를 재생해 주세요";
inline constexpr char kLyfsOnlyMessage[] =
    "LyFS 파일정보만 확인이 가능합니다.\nSD 카드를 확인해 주세요";
inline constexpr char kNoFirmwareMessage[] =
    "펌웨어 정보를 확인 할 수 없습니다.\nsetup.cfg 파일을 확인해 주세요";
inline constexpr char kUnsupportedModelMessage[] =
    "파일정보 확인이 가능한 모델이 아닙니다.\nSD카드를 확인해 주세요";
inline constexpr char kOldFirmwareMessage[] =
    "파일정보 확인이 가능한 펌웨어 버전이 아닙니다.\n블랙박스 펌웨어를 업데이트 하세요";

// The product name (line 0) and firmware version (line 2) of a "setup.cfg".
struct FirmwareFacts {
  std::string product;
  std::string version;
};

// Reads the facts as the recorder's file holds them: each line's text after its 26-character
// label, trimmed of backspace, tab, CR and LF. Reading stops at the end of the file, after three
// lines, or at a line of 26 characters or fewer (line end included). None when the file cannot
// be opened.
std::optional<FirmwareFacts> ReadFirmwareFacts(const std::string& setup_cfg_path);

// The refusal message for these facts, or none when the model and firmware are supported:
// "MERIDA" from "V1.02", "KT520A" and "KT730A" from "V1.11", versions compared as text.
std::optional<std::string> FirmwareRefusal(const FirmwareFacts& facts);

// What the command comes to: a refusal message, or the summary to show.
struct DeviceInfoResult {
  std::string message;
  std::optional<CardFileSummary> summary;
};

// entries: the catalogue's entries; source_kind and source_root: the open source.
DeviceInfoResult DeviceInfoCommand(const std::vector<RecordingEntry>& entries,
                                   SourceKind source_kind, const std::string& source_root);

}  // namespace vantrel::device
