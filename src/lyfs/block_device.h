// A card or card image as a flat array of bytes: the one door through which the library touches
// storage, so that tests and fuzzing can run on memory and inject failing devices.
// Not thread-safe: the owner serialises calls on one device.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantrel::lyfs {

// Whether [offset, offset + count) lies inside `size` bytes, without overflowing.
inline bool InBounds(uint64_t offset, uint64_t count, uint64_t size) {
  return offset <= size && count <= size - offset;
}

class BlockDevice {
 public:
  virtual ~BlockDevice() = default;

  // The size in bytes; it does not change while the device is open.
  virtual uint64_t size() const = 0;
  // False for a write-protected card or an image opened for reading.
  virtual bool writable() const = 0;

  // Reads exactly `count` bytes at `offset`. False, with nothing promised about `data`, when any
  // of them lies outside the device or the read fails.
  bool Read(uint64_t offset, void* data, size_t count);
  // Writes exactly `count` bytes at `offset`; false when the device is not writable, the range
  // lies outside it or the write fails. A device never grows.
  bool Write(uint64_t offset, const void* data, size_t count);
  // Makes what was written durable.
  virtual bool Flush() = 0;

 protected:
  // Called with ranges already checked against size().
  virtual bool ReadInside(uint64_t offset, void* data, size_t count) = 0;
  virtual bool WriteInside(uint64_t offset, const void* data, size_t count) = 0;
};

}  // namespace vantrel::lyfs
