// A hierarchical store of named values, shaped after the per-user registry: keys are opened or
// created by a backslash-separated path, values are set on an open key, and every key obtained
// must be closed. The decoder registration writes through it, so it can be driven and checked
// on a platform without a registry.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace vantrel::platform {

class SettingsStore {
 public:
  // An open key; valid until passed to CloseKey.
  using Key = uint32_t;

  virtual ~SettingsStore() = default;

  // Opens an existing key for setting values; none when it does not exist or is refused.
  virtual std::optional<Key> OpenKey(const std::string& path) = 0;
  // Opens the key, creating it and any missing parents (kept across restarts, read and write).
  virtual std::optional<Key> CreateKey(const std::string& path) = 0;
  // Sets a 32-bit value, replacing whatever the name held.
  virtual bool SetDword(Key key, const std::string& name, uint32_t value) = 0;
  // Sets a text value. `stored` is every character the value holds, terminating NULs included.
  virtual bool SetString(Key key, const std::string& name, const std::u16string& stored) = 0;
  virtual void CloseKey(Key key) = 0;
};

// The current user's registry; none on Linux, which has no registry, so what would go there is
// not written at all.
std::unique_ptr<SettingsStore> PerUserRegistry();

}  // namespace vantrel::platform
