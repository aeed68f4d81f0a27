// Keeps a card's own files ("setup.cfg", the installer) safe while the card is formatted: they
// are copied into a folder made fresh for this one format, readable by this user only, and
// written back afterwards. A file is taken out of that folder only once the card holds an
// identical copy, so when the card is gone or full the files stay where the user is told.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vantrel::device {

class ParkedCardFiles {
 public:
  // Makes a new private folder (mode 0700) under `parent` (created when missing) and copies
  // every named file of card_root into it, each checked byte for byte. None, with nothing left
  // behind, when the folder cannot be made or a file cannot be copied whole.
  static std::optional<ParkedCardFiles> Park(const std::string& card_root,
                                             const std::vector<std::string>& names,
                                             const std::string& parent);

  // Writes the parked files into `root` (the card's root, perhaps mounted anew), in the order
  // they were parked, each read back and compared. Returns the names put back; the folder is
  // removed when all came back, and kept (with the files not put back) otherwise.
  std::vector<std::string> Restore(const std::string& root);

  const std::string& folder() const { return folder_; }
  const std::vector<std::string>& names() const { return names_; }

 private:
  ParkedCardFiles(std::string folder, std::vector<std::string> names)
      : folder_(std::move(folder)), names_(std::move(names)) {}

  std::string folder_;
  std::vector<std::string> names_;
};

// Copies from to to (replacing it), flushed to the medium, and reads `to` back to compare. False
// when any step fails; a partial `to` may then be left.
bool CopyFileVerified(const std::string& from, const std::string& to);

}  // namespace vantrel::device
