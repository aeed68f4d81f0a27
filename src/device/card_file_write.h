// Replacing a file on a card so that a card pulled out, full or write-protected mid-write keeps
// its previous file: the new content goes to a file of its own beside the target, reaches the
// medium, and only then takes the target's name.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::device {

// Replaces (or creates) the file at path with bytes. False when any step fails; the target is
// then as it was and the new file beside it is gone.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

// Replaces (or creates) the file at target with a copy of the file at source, the same way.
bool ReplaceFileWithCopy(const std::string& source, const std::string& target);

}  // namespace vantrel::device
