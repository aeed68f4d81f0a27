#include "platform/memory_settings_store.h"

namespace vantrel::platform {

namespace {

std::string Result(const std::optional<SettingsStore::Key>& key) {
  return key ? std::to_string(*key) : "none";
}

}  // namespace

std::optional<SettingsStore::Key> MemorySettingsStore::Open(const std::string& path) {
  if (keys_.count(path) == 0) return std::nullopt;
  const Key key = next_key_++;
  open_keys_[key] = path;
  return key;
}

std::optional<SettingsStore::Key> MemorySettingsStore::OpenKey(const std::string& path) {
  const std::optional<Key> key = Open(path);
  calls_.push_back("OpenKey " + path + " -> " + Result(key));
  return key;
}

std::optional<SettingsStore::Key> MemorySettingsStore::CreateKey(const std::string& path) {
  std::optional<Key> key;
  if (!refuse_create_ && !path.empty()) {
    // Like the registry, creating a key creates the parents it lacks.
    for (size_t slash = path.find('\\'); slash != std::string::npos;
         slash = path.find('\\', slash + 1)) {
      keys_[path.substr(0, slash)];
    }
    keys_[path];
    key = Open(path);
  }
  calls_.push_back("CreateKey " + path + " -> " + Result(key));
  return key;
}

bool MemorySettingsStore::Set(Key key, const std::string& name, Value value) {
  const auto open = open_keys_.find(key);
  if (open == open_keys_.end()) return false;
  keys_[open->second][name] = std::move(value);
  return true;
}

bool MemorySettingsStore::SetDword(Key key, const std::string& name, uint32_t value) {
  calls_.push_back("SetDword " + std::to_string(key) + " " + name + " " + std::to_string(value));
  return Set(key, name, value);
}

bool MemorySettingsStore::SetString(Key key, const std::string& name,
                                    const std::u16string& stored) {
  calls_.push_back("SetString " + std::to_string(key) + " " + name + " " +
                   std::to_string(stored.size()));
  return Set(key, name, stored);
}

void MemorySettingsStore::CloseKey(Key key) {
  calls_.push_back("CloseKey " + std::to_string(key));
  open_keys_.erase(key);
}

const MemorySettingsStore::Value* MemorySettingsStore::Find(const std::string& path,
                                                            const std::string& name) const {
  const auto key = keys_.find(path);
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.find(name);
  return value == key->second.end() ? nullptr : &value->second;
}

std::optional<uint32_t> MemorySettingsStore::Dword(const std::string& path,
                                                   const std::string& name) const {
  const Value* value = Find(path, name);
  if (value == nullptr || !std::holds_alternative<uint32_t>(*value)) return std::nullopt;
  return std::get<uint32_t>(*value);
}

std::optional<std::u16string> MemorySettingsStore::String(const std::string& path,
                                                          const std::string& name) const {
  const Value* value = Find(path, name);
  if (value == nullptr || !std::holds_alternative<std::u16string>(*value)) return std::nullopt;
  return std::get<std::u16string>(*value);
}

}  // namespace vantrel::platform
