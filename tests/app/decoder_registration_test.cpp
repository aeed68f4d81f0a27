#include "app/decoder_registration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/decoder_application_list.h"
#include "platform/memory_settings_store.h"

namespace vantrel {
namespace {

using platform::MemorySettingsStore;

// What one registration leaves in the store, for comparing runs.
struct Written {
  std::optional<uint32_t> multiple_instances, is_whitelist, h264;
  std::optional<std::u16string> whitelist, legacy_whitelist;
  bool operator==(const Written&) const = default;
};

Written WrittenValues(const MemorySettingsStore& store) {
  return {store.Dword(kDecoderKeyPath, "multipleInstances"),
          store.Dword(kDecoderKeyPath, "isWhitelist"), store.Dword(kDecoderKeyPath, "h264"),
          store.String(kDecoderKeyPath, "whitelist"),
          store.String(kLegacyDecoderKeyPath, "whitelist")};
}

TEST(DecoderRegistrationTest, AFreshStoreGetsTheKeysCreatedAndTheValuesInOrder) {
  MemorySettingsStore store;
  RegisterWithVideoDecoder(store);

  const std::string length = std::to_string(DecoderApplicationList().size() + 5);
  const std::vector<std::string> expected = {
      "OpenKey Software\\GNU\\ffdshow -> none",
      "OpenKey Software\\GNU -> none",
      "CreateKey Software\\GNU -> 1",
      "CloseKey 1",
      "CreateKey Software\\GNU\\ffdshow -> 2",
      "SetDword 2 multipleInstances 0",
      "SetDword 2 isWhitelist 0",
      "SetDword 2 h264 1",
      "SetString 2 whitelist " + length,
      "CloseKey 2",
      "OpenKey Software\\QX\\ffdshow -> none",
      "CreateKey Software\\QX\\ffdshow -> 3",
      "SetString 3 whitelist " + length,
      "CloseKey 3",
  };
  EXPECT_EQ(store.calls(), expected);
  EXPECT_EQ(store.open_key_count(), 0u);

  const Written written = WrittenValues(store);
  EXPECT_EQ(written.multiple_instances, 0u);
  EXPECT_EQ(written.is_whitelist, 0u);
  EXPECT_EQ(written.h264, 1u);
  EXPECT_EQ(written.legacy_whitelist, written.whitelist);
}

TEST(DecoderRegistrationTest, TheListEndsWithTheViewerAndIsStoredWithTenBytesOfNul) {
  const auto names = DecoderApplicationNames();
  ASSERT_EQ(names.size(), 317u + 1u);
  EXPECT_EQ(names.front(), "3wPlayer.exe");
  EXPECT_EQ(names[316], "Zune.exe");
  EXPECT_EQ(names.back(), "Vantrel Viewer.exe");

  const std::string list = DecoderApplicationList();
  EXPECT_TRUE(list.starts_with("3wPlayer.exe;ACDSee10.exe;"));
  EXPECT_TRUE(list.ends_with(";Zune.exe;Vantrel Viewer.exe;"));
  EXPECT_EQ(std::count(list.begin(), list.end(), ';'), 318);

  MemorySettingsStore store;
  RegisterWithVideoDecoder(store);
  const std::u16string stored = store.String(kDecoderKeyPath, "whitelist").value();
  ASSERT_EQ(stored.size(), list.size() + 5);
  EXPECT_EQ(std::string(stored.begin(), stored.begin() + list.size()), list);
  EXPECT_EQ(stored.substr(list.size()), std::u16string(5, u'\0'));
}

TEST(DecoderRegistrationTest, LaterRunsOpenTheKeysAndRewriteTheSameData) {
  MemorySettingsStore store;
  RegisterWithVideoDecoder(store);
  const Written first = WrittenValues(store);

  store.clear_calls();
  RegisterWithVideoDecoder(store);
  EXPECT_EQ(WrittenValues(store), first);
  EXPECT_EQ(store.calls().front(), "OpenKey Software\\GNU\\ffdshow -> 4");
  EXPECT_EQ(std::count_if(store.calls().begin(), store.calls().end(),
                          [](const std::string& call) { return call.starts_with("CreateKey"); }),
            0);
  EXPECT_EQ(store.open_key_count(), 0u);

  // The decoder's own parent key exists but the decoder's key does not: only that is made.
  MemorySettingsStore parent_only;
  parent_only.CloseKey(*parent_only.CreateKey(kDecoderParentKeyPath));
  parent_only.clear_calls();
  RegisterWithVideoDecoder(parent_only);
  const std::vector<std::string> opening(parent_only.calls().begin(),
                                         parent_only.calls().begin() + 4);
  EXPECT_EQ(opening, (std::vector<std::string>{"OpenKey Software\\GNU\\ffdshow -> none",
                                               "OpenKey Software\\GNU -> 2", "CloseKey 2",
                                               "CreateKey Software\\GNU\\ffdshow -> 3"}));
  EXPECT_EQ(WrittenValues(parent_only), first);
}

TEST(DecoderRegistrationTest, AStoreThatRefusesNewKeysGetsNoValuesAndNoStrayHandles) {
  MemorySettingsStore store;
  store.set_refuse_create(true);
  RegisterWithVideoDecoder(store);
  for (const std::string& call : store.calls()) {
    EXPECT_FALSE(call.starts_with("Set")) << call;
  }
  EXPECT_EQ(store.open_key_count(), 0u);
  EXPECT_EQ(WrittenValues(store), Written{});
}

}  // namespace
}  // namespace vantrel
