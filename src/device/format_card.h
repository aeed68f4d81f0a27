// Formatting the card chosen in the settings dialog, so the recorder can use it: a plain FAT
// card, or a LyFS card (partition 1 FAT32, the recorder's LyFS area behind it). The card's
// "setup.cfg" and the viewer's installer survive the format. The steps that ask the user, show
// messages and wait for the work come in through FormatCardPorts, so the viewer, the
// command-line tool and the tests run the same command.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/lyfs_folder_split.h"
#include "platform/card_formatter.h"
#include "platform/volume.h"

namespace vantrel::device {

inline constexpr char kFormatDoneMessage[] = "포맷이 완료 되었습니다.";
inline constexpr char kFatFormatFailedMessage[] = "FAT 포맷을 실패 하였습니다.";
inline constexpr char kLyfsFormatFailedMessage[] =
    "LyFS 영역 포맷을 실패 하였습니다.\nSD 카드를 점검하세요 (%d)";

enum class CardFormatKind { kFat, kLyfs };

// LyFS when the card's disk already carries a LyFS partition, or for the models "MERIDA",
// "KT730A(Merida)" and "KT520A(Merida)"; FAT otherwise.
CardFormatKind FormatKindFor(const std::string& device_path, std::string_view model);

// Where the parking folders of formats are made: "parked" in the program folder, which outlives
// a restart (unlike the system's temporary folder), so files kept there after a failed restore
// are not lost.
std::string ParkingParent(const std::string& program_folder);

// What one format works on, settled before the card is touched.
struct CardFormatJob {
  platform::Volume card;
  std::string model;
  int sd_allocation = kSdAllocationNotRead;
  CardFormatKind kind = CardFormatKind::kFat;
  // The FAT format's label; none when the user cancelled the format dialog (nothing is
  // formatted, yet the command counts as done).
  std::optional<std::string> fat_label;
  // The card's own files, of "setup.cfg" and the installer, found in its root.
  std::vector<std::string> card_files;
  // Holds the installer copied to a card that had none.
  std::string program_folder;
  // Where this format's private parking folder is made.
  std::string parking_parent;
  int language_index = 0;
};

struct CardFormatOutcome {
  bool succeeded = false;
  int result = 0;  // the LyfsPartitionFormat code of a LyFS format, 0 for a FAT format
  // Shown to the user in this order; empty when nothing is to be said.
  std::vector<std::string> messages;
  std::vector<std::string> restored;  // the parked files put back on the card
  std::string kept_folder;            // where parked files stay that could not be put back
};

// Parks the card's files, formats, waits for the end, puts the files back (or the installer
// from the program folder) and says how it went. Blocks; runs off the user-interface thread.
CardFormatOutcome RunCardFormat(const CardFormatJob& job, platform::CardFormatter& formatter);

class FormatCardPorts {
 public:
  virtual ~FormatCardPorts() = default;
  // The question of language text 235, Yes or No.
  virtual bool Confirm(const std::string& question) = 0;
  // The FAT format dialog with the label pre-filled; none when cancelled.
  virtual std::optional<std::string> AskFatLabel(const std::string& label) = 0;
  // Runs the job away from the user interface, showing that the program is busy.
  virtual CardFormatOutcome Run(const CardFormatJob& job) = 0;
  virtual void Show(const std::string& text) = 0;
};

struct FormatCardRequest {
  // The card as chosen; none when no card is chosen.
  std::optional<platform::Volume> card;
  std::string model;
  int sd_allocation = kSdAllocationNotRead;
  int language_index = 0;
  std::string program_folder;  // holds the installer
  std::string parking_parent;
};

struct FormatCardResult {
  bool ran = false;        // the card was formatted (or the FAT dialog cancelled)
  bool succeeded = false;  // the main window resets when this card is its open source
  CardFormatKind kind = CardFormatKind::kFat;
  CardFormatOutcome outcome;
};

// The Format command: nothing without a card or without the language library; the question;
// a card that is not a removable one of its own (a fixed disk, the system's disk) is refused
// with a message before anything is touched; the FAT dialog; the work; the messages.
FormatCardResult FormatCard(const FormatCardRequest& request, FormatCardPorts& ports);

}  // namespace vantrel::device
