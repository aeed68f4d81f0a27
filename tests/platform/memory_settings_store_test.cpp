#include "platform/memory_settings_store.h"

#include <gtest/gtest.h>

namespace vantrel::platform {
namespace {

TEST(MemorySettingsStoreTest, KeysExistOnlyOnceCreatedAndCreatingAddsTheParents) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.OpenKey("A\\B"));

  const auto created = store.CreateKey("A\\B\\C");
  ASSERT_TRUE(created);
  const auto parent = store.OpenKey("A\\B");
  ASSERT_TRUE(parent);
  EXPECT_NE(*created, *parent);
  EXPECT_TRUE(store.OpenKey("A"));
  EXPECT_FALSE(store.OpenKey("A\\B\\C\\D"));
  EXPECT_FALSE(store.OpenKey("a\\b")) << "paths compare exactly";
}

TEST(MemorySettingsStoreTest, ValuesAreKeptByTypeAndOnlyThroughAnOpenKey) {
  MemorySettingsStore store;
  const auto key = *store.CreateKey("K");
  EXPECT_TRUE(store.SetDword(key, "n", 7));
  EXPECT_TRUE(store.SetString(key, "s", std::u16string(u"x\0", 2)));
  EXPECT_EQ(store.Dword("K", "n"), 7u);
  EXPECT_EQ(store.String("K", "s"), std::u16string(u"x\0", 2));
  EXPECT_FALSE(store.String("K", "n")) << "a number is not a text";
  EXPECT_FALSE(store.Dword("K", "missing"));

  EXPECT_TRUE(store.SetDword(key, "n", 8)) << "a value is overwritten";
  EXPECT_EQ(store.Dword("K", "n"), 8u);

  store.CloseKey(key);
  EXPECT_EQ(store.open_key_count(), 0u);
  EXPECT_FALSE(store.SetDword(key, "n", 9)) << "a closed key takes no values";
  EXPECT_EQ(store.Dword("K", "n"), 8u);

  store.set_refuse_create(true);
  EXPECT_FALSE(store.CreateKey("L"));
  EXPECT_FALSE(store.OpenKey("L"));
}

}  // namespace
}  // namespace vantrel::platform
