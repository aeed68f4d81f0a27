// Volume labels a formatted card gets, by recorder model.
#pragma once

#include <string>
#include <string_view>

namespace vantrel::device {

// FAT32 labels hold at most 11 characters.
inline constexpr size_t kFatLabelChars = 11;

// The label of partition 1 after a LyFS format: "KT730A_Meri" and "KT520A_Meri" for the Merida
// variants, else the model text (cut to 11 characters).
std::string CardVolumeLabel(std::string_view model);

// The label the FAT format dialog starts with: the model text, or its first six characters for
// the Merida variants ("KT520A", "KT730A"), cut to 11 characters.
std::string FatDialogLabel(std::string_view model);

// "KT520A(Merida)" and "KT730A(Merida)".
bool IsMeridaVariant(std::string_view model);

}  // namespace vantrel::device
