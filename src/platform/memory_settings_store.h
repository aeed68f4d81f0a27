// A SettingsStore held in memory that keeps a log of every call made on it. It stands in for
// the registry on Linux and in tests, where the order of the calls matters as much as the values
// they leave behind. Not thread-safe; key paths compare exactly.
#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "platform/settings_store.h"

namespace vantrel::platform {

class MemorySettingsStore : public SettingsStore {
 public:
  std::optional<Key> OpenKey(const std::string& path) override;
  std::optional<Key> CreateKey(const std::string& path) override;
  bool SetDword(Key key, const std::string& name, uint32_t value) override;
  bool SetString(Key key, const std::string& name, const std::u16string& stored) override;
  void CloseKey(Key key) override;

  // While set, CreateKey fails, as it does for a user without write access.
  void set_refuse_create(bool refuse) { refuse_create_ = refuse; }

  // One line per call, in order: "OpenKey <path> -> <key>|none", "CreateKey <path> -> ...",
  // "SetDword <key> <name> <value>", "SetString <key> <name> <length>", "CloseKey <key>".
  const std::vector<std::string>& calls() const { return calls_; }
  void clear_calls() { calls_.clear(); }
  // Keys opened or created and not closed yet.
  size_t open_key_count() const { return open_keys_.size(); }

  // A stored value; none when the key or name is absent or holds the other type.
  std::optional<uint32_t> Dword(const std::string& path, const std::string& name) const;
  std::optional<std::u16string> String(const std::string& path, const std::string& name) const;

 private:
  using Value = std::variant<uint32_t, std::u16string>;

  std::optional<Key> Open(const std::string& path);
  bool Set(Key key, const std::string& name, Value value);
  const Value* Find(const std::string& path, const std::string& name) const;

  std::map<std::string, std::map<std::string, Value>> keys_;
  std::map<Key, std::string> open_keys_;
  Key next_key_ = 1;
  bool refuse_create_ = false;
  std::vector<std::string> calls_;
};

}  // namespace vantrel::platform
