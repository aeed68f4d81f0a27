// Formats real cards through udisks2 on the system bus, as a desktop user may (polkit asks when
// it must): unmount, Block.Format (vfat, label), mount again.
#pragma once

#include "platform/card_formatter.h"

namespace vantrel::platform {

class UdisksCardFormatter : public CardFormatter {
 public:
  bool ReleaseVolume(const Volume& card) override;
  std::optional<std::string> FormatFat(const Volume& card, Target target,
                                       const std::string& label) override;
};

// The node of partition 1 of a whole disk: "/dev/sdb1", "/dev/mmcblk0p1".
std::string FirstPartitionNode(const std::string& disk_node);

}  // namespace vantrel::platform
