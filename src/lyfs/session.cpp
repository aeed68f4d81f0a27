#include "lyfs/session.h"

#include <array>
#include <climits>
#include <cstring>
#include <vector>

#include "lyfs/byte_io.h"
#include "lyfs/crc32.h"
#include "lyfs/device_opener.h"
#include "lyfs/file_writer.h"
#include "lyfs/lyfs.h"

namespace vantrel::lyfs {
namespace {

constexpr uint8_t kBlockMagic[4] = {'L', 'Y', 'D', 'B'};
constexpr size_t kBlockChecked = 12;

struct Slot {
  uint32_t generation = 0;
  std::shared_ptr<DeviceSession> device;
};

struct Table {
  std::mutex mutex;
  std::array<Slot, kMaxOpenDevices> slots;
  uint32_t generations = 0;
};

Table& Devices() {
  static Table table;
  return table;
}

void WriteBlock(void* block, uint32_t slot, uint32_t generation) {
  auto* bytes = static_cast<uint8_t*>(block);
  std::memset(bytes, 0, LYFS_DEVICE_BLOCK_SIZE);
  std::memcpy(bytes, kBlockMagic, sizeof kBlockMagic);
  Store32(bytes + 4, slot);
  Store32(bytes + 8, generation);
  Store32(bytes + kBlockChecked, Crc32(bytes, kBlockChecked));
}

// The slot a block names, when the block is intact; the caller holds the table's lock.
std::optional<uint32_t> SlotOf(Table& table, const void* block) {
  if (block == nullptr) return std::nullopt;
  const auto* bytes = static_cast<const uint8_t*>(block);
  if (std::memcmp(bytes, kBlockMagic, sizeof kBlockMagic) != 0 ||
      Load32(bytes + kBlockChecked) != Crc32(bytes, kBlockChecked)) {
    return std::nullopt;
  }
  const uint32_t slot = Load32(bytes + 4);
  if (slot >= table.slots.size() || !table.slots[slot].device ||
      table.slots[slot].generation != Load32(bytes + 8)) {
    return std::nullopt;
  }
  return slot;
}

}  // namespace

int DeviceSession::AddFile(OpenFile file) {
  if (files.size() >= kMaxOpenFiles) return LYFS_ERROR_LIMIT;
  while (files.count(next_handle) != 0) next_handle = next_handle == INT_MAX ? 1 : next_handle + 1;
  const int handle = next_handle;
  next_handle = next_handle == INT_MAX ? 1 : next_handle + 1;
  files.emplace(handle, file);
  return handle;
}

int DeviceSession::CloseAll() {
  int result = LYFS_OK;
  for (const auto& [handle, file] : files) {
    if (!file.writing) continue;
    const int finished = FinishEntry(*volume, file.at);
    if (result == LYFS_OK) result = finished;
  }
  files.clear();
  closed = true;
  return result;
}

int OpenDeviceBlock(const std::string& path, bool writable, void* block) {
  auto opened = std::make_shared<DeviceSession>();
  opened->device = OpenDevice(path, writable);
  if (!opened->device && writable) opened->device = OpenDevice(path, false);
  if (!opened->device) return LYFS_ERROR_DEVICE;
  opened->volume = Volume::Mount(*opened->device);
  if (!opened->volume) return LYFS_ERROR_NOT_LYFS;

  Table& table = Devices();
  std::lock_guard lock(table.mutex);
  for (uint32_t i = 0; i < table.slots.size(); ++i) {
    if (table.slots[i].device) continue;
    table.slots[i] = Slot{++table.generations, std::move(opened)};
    WriteBlock(block, i, table.slots[i].generation);
    return LYFS_OK;
  }
  return LYFS_ERROR_LIMIT;
}

int CloseDeviceBlock(void* block) {
  std::shared_ptr<DeviceSession> closing;
  {
    Table& table = Devices();
    std::lock_guard lock(table.mutex);
    const auto slot = SlotOf(table, block);
    if (!slot) return LYFS_ERROR_HANDLE;
    closing = std::move(table.slots[*slot].device);
    table.slots[*slot] = Slot{};
  }
  std::memset(block, 0, LYFS_DEVICE_BLOCK_SIZE);
  std::lock_guard lock(closing->mutex);
  return closing->CloseAll();
}

void CloseAllDevices() {
  std::vector<std::shared_ptr<DeviceSession>> closing;
  {
    Table& table = Devices();
    std::lock_guard lock(table.mutex);
    for (Slot& slot : table.slots) {
      if (slot.device) closing.push_back(std::move(slot.device));
      slot = Slot{};
    }
  }
  for (const auto& device : closing) {
    std::lock_guard lock(device->mutex);
    device->CloseAll();
  }
}

int WithDevice(const void* block, const std::function<int(DeviceSession&)>& call) {
  std::shared_ptr<DeviceSession> device;
  {
    Table& table = Devices();
    std::lock_guard lock(table.mutex);
    const auto slot = SlotOf(table, block);
    if (!slot) return LYFS_ERROR_HANDLE;
    device = table.slots[*slot].device;
  }
  std::lock_guard lock(device->mutex);
  // Closed by another thread between the look-up and the lock.
  if (device->closed) return LYFS_ERROR_HANDLE;
  return call(*device);
}

}  // namespace vantrel::lyfs
