// What the folder picker makes of the folder it shows and the items selected in it: the paths it
// hands back, and which choices it refuses because they would mean scanning a whole system disk.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/volume.h"

namespace vantrel::ui {

// The path in plain form: "." and ".." resolved, links followed as far as the path exists, no
// repeated or trailing "/" (except for "/" itself). A relative path stays relative.
std::string PlainPath(std::string_view path);

// A path as the picker hands it back: in plain form, and ending in "/" when it is the mount root
// of a volume, the way a card's root is written everywhere else in the viewer.
std::string ChosenPathText(std::string_view path, const std::vector<platform::Volume>& volumes);

// The paths of the items selected in `folder`, in the given (view) order. Names that are not a
// single entry of the folder (empty, ".", "..", or holding a "/") are left out. An empty folder
// is the computer view, whose items are the drives themselves: there only absolute paths count.
// With nothing left, the folder itself is the choice.
std::vector<std::string> SelectedItemPaths(std::string_view folder,
                                           const std::vector<std::string>& names,
                                           const std::vector<platform::Volume>& volumes);

// Whether a choice is a bare root of a fixed disk: "/" itself, or the mount root of a volume
// that is not removable or that lies on the system disk. Such a choice is refused.
bool IsRefusedRoot(std::string_view path, const std::vector<platform::Volume>& volumes);

}  // namespace vantrel::ui
