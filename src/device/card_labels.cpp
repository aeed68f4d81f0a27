#include "device/card_labels.h"

namespace vantrel::device {

bool IsMeridaVariant(std::string_view model) {
  return model == "KT520A(Merida)" || model == "KT730A(Merida)";
}

std::string CardVolumeLabel(std::string_view model) {
  if (model == "KT730A(Merida)") return "KT730A_Meri";
  if (model == "KT520A(Merida)") return "KT520A_Meri";
  return std::string(model.substr(0, kFatLabelChars));
}

std::string FatDialogLabel(std::string_view model) {
  return std::string(model.substr(0, IsMeridaVariant(model) ? 6 : kFatLabelChars));
}

}  // namespace vantrel::device
