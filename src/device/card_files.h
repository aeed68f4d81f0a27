// The recorder's files in a card root, and the viewer's installer that every card the settings
// dialog saves to receives, so the card carries the viewer to the next computer.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::device {

inline constexpr char kSettingsFileName[] = "setup.cfg";
inline constexpr char kClockFileName[] = "time.cfg";
inline constexpr char kInstallerFileName[] = "Vantrel Viewer.msi";

// A file in the card root; card_root ends with "/" (a volume root).
std::string CardFilePath(const std::string& card_root, std::string_view name);

// True when the card root holds a regular file named exactly name (case-sensitive; a folder
// or a link of that name does not count).
bool CardFileExists(const std::string& card_root, std::string_view name);

// Copies kInstallerFileName from program_folder to the card root under the same name,
// replacing one there. False when the program folder has none (a development build) or the copy
// failed; neither is shown to the user.
bool CopyInstallerToCard(const std::string& program_folder, const std::string& card_root);

}  // namespace vantrel::device
