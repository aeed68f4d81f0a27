// The open LyFS card: the device block the LyFS library fills to name the device, owned by the
// catalogue while a LyFS card is the opened source. At most one is open at a time in the viewer.
//
// Every block this file opens is remembered until it is closed, so a device value handed to the
// splitter (LyfsDeviceValue) is only ever followed while its block is still open: a stale value
// names nothing, also when a later block is opened at the same address, because each open gets a
// value of its own that never repeats. Opening, closing and the look-up are thread-safe.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "catalogue/recording_catalogue.h"
#include "lyfs/lyfs.h"

namespace vantrel {

struct LyfsDeviceBlock {
  std::array<uint8_t, LYFS_DEVICE_BLOCK_SIZE> bytes{};
};

// The mode the card reader opens cards with: reading and writing, or reading alone where writing
// is not possible (a write-protected card, a disk this user may only read).
inline constexpr int kLyfsOpenMode = LYFS_OPEN_READ_WRITE;

// Opens the LyFS partition of the card at device_path, for reading only when it cannot be opened
// for writing. Null when the library refuses both; its last result goes to *result when given
// (LYFS_OK on success).
LyfsDeviceHandle OpenLyfsDevice(const std::string& device_path, int* result = nullptr);

// The value that stands for an open device in the splitter's card source: 1 or more while the
// block is open, kFileSourceDevice (0) for no block or one that is closed.
intptr_t LyfsDeviceValue(const LyfsDeviceBlock* block);

// A copy of the block a device value stands for, while that block is open; none for any other
// value. The copy names the same device to the library until the device is closed; after that
// the library refuses it.
std::optional<LyfsDeviceBlock> OpenLyfsDeviceAt(intptr_t value);

}  // namespace vantrel
