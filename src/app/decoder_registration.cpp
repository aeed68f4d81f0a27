#include "app/decoder_registration.h"

#include <memory>
#include <optional>

#include "app/decoder_application_list.h"

namespace vantrel {

namespace {

using platform::SettingsStore;

constexpr char kWhitelistName[] = "whitelist";

// The value has always been stored with four NULs after the text's own terminator (ten bytes
// in UTF-16); writing the same characters keeps a rewrite identical to what is there.
constexpr size_t kStoredNuls = 5;

std::u16string StoredWhitelist() {
  const std::string list = DecoderApplicationList();
  std::u16string stored(list.begin(), list.end());  // the names are plain ASCII
  stored.append(kStoredNuls, u'\0');
  return stored;
}

// Opens the decoder's key, creating it and its parent when they are missing.
std::optional<SettingsStore::Key> OpenDecoderKey(SettingsStore& store) {
  if (const auto key = store.OpenKey(kDecoderKeyPath)) return key;
  std::optional<SettingsStore::Key> parent = store.OpenKey(kDecoderParentKeyPath);
  if (!parent) parent = store.CreateKey(kDecoderParentKeyPath);
  if (parent) store.CloseKey(*parent);
  return store.CreateKey(kDecoderKeyPath);
}

std::optional<SettingsStore::Key> OpenOrCreate(SettingsStore& store, const char* path) {
  if (const auto key = store.OpenKey(path)) return key;
  return store.CreateKey(path);
}

}  // namespace

std::string DecoderApplicationList() {
  std::string list;
  for (const std::string_view name : DecoderApplicationNames()) {
    list += name;
    list += ';';
  }
  return list;
}

void RegisterWithVideoDecoder(SettingsStore& store) {
  const std::u16string whitelist = StoredWhitelist();
  if (const auto key = OpenDecoderKey(store)) {
    store.SetDword(*key, "multipleInstances", 0);
    store.SetDword(*key, "isWhitelist", 0);
    store.SetDword(*key, "h264", 1);
    store.SetString(*key, kWhitelistName, whitelist);
    store.CloseKey(*key);
  }
  if (const auto key = OpenOrCreate(store, kLegacyDecoderKeyPath)) {
    store.SetString(*key, kWhitelistName, whitelist);
    store.CloseKey(*key);
  }
}

void RegisterWithVideoDecoder() {
  if (const std::unique_ptr<SettingsStore> registry = platform::PerUserRegistry()) {
    RegisterWithVideoDecoder(*registry);
  }
}

}  // namespace vantrel
