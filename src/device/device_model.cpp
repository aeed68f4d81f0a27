#include "device/device_model.h"

#include <array>

namespace vantrel::device {

namespace {

using enum SettingsLayout;
using enum LcdOffList;

constexpr std::array<DeviceModel, kDeviceModelCount> kModels = {{
    {"KT410A", "KT410A", kParking, kLong, true, false, false},
    {"KT520A", "KT520A", kExtended, kLong, false, true, false},
    {"KT730A", "KT730A", kExtended, kShort, false, true, false},
    {"MERIDA", "MERIDA", kBasic, kLong, false, false, false},
    // The Merida variants carry the product name of the line they belong to.
    {"KT520A(Merida)", "KT520A", kExtended, kLong, false, true, true},
    {"KT730A(Merida)", "KT730A", kExtended, kShort, false, true, true},
}};

}  // namespace

const DeviceModel* FindDeviceModel(int index) {
  if (index < 0 || index >= kDeviceModelCount) return nullptr;
  return &kModels[static_cast<size_t>(index)];
}

}  // namespace vantrel::device
