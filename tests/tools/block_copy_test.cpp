// The block copy: whole copies, and copies that fail or are called off leave nothing behind.
#include "tools/block_copy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "temp_dir.h"

namespace vantrel::tools {
namespace {

// A source of `size` patterned bytes that fails (or asks for a cancel) after `good` blocks.
struct PatternSource {
  size_t size;
  int good_blocks = 1 << 30;
  bool cancel_instead = false;
  CopyProgress* progress = nullptr;
  size_t offset = 0;
  int blocks = 0;

  int64_t operator()(uint8_t* buffer, size_t capacity) {
    if (blocks++ >= good_blocks) {
      if (!cancel_instead) return -2;
      progress->cancel = true;
    }
    const size_t count = std::min(capacity, size - offset);
    for (size_t i = 0; i < count; ++i) buffer[i] = static_cast<uint8_t>((offset + i) * 7 + 3);
    offset += count;
    return static_cast<int64_t>(count);
  }
};

TEST(BlockCopy, CopiesEveryByteAcrossBlocks) {
  test::TempDir dir;
  CopyProgress progress;
  PatternSource source{1000};
  const std::string target = dir.File("copy");
  ASSERT_EQ(CopyBlocks(std::ref(source), 64, target, progress), CopyOutcome::kCopied);
  const std::string bytes = test::ReadFile(target);
  ASSERT_EQ(bytes.size(), 1000u);
  for (size_t i = 0; i < bytes.size(); ++i) {
    ASSERT_EQ(static_cast<uint8_t>(bytes[i]), static_cast<uint8_t>(i * 7 + 3)) << i;
  }
  EXPECT_EQ(progress.copied.load(), 1000u);
}

TEST(BlockCopy, AFailingSourceOrACancelLeavesNoTarget) {
  test::TempDir dir;
  const std::string target = dir.File("copy");
  {
    CopyProgress progress;
    PatternSource source{100000, 3};
    EXPECT_EQ(CopyBlocks(std::ref(source), 1024, target, progress), CopyOutcome::kFailed);
    EXPECT_FALSE(std::filesystem::exists(target));
  }
  {
    CopyProgress progress;
    PatternSource source{100000, 3, true, &progress};
    EXPECT_EQ(CopyBlocks(std::ref(source), 1024, target, progress), CopyOutcome::kCancelled);
    EXPECT_FALSE(std::filesystem::exists(target));
  }
  // A reader that claims more bytes than the buffer holds is not trusted.
  CopyProgress progress;
  auto lying = [](uint8_t*, size_t capacity) { return static_cast<int64_t>(capacity + 1); };
  EXPECT_EQ(CopyBlocks(lying, 16, target, progress), CopyOutcome::kFailed);
  EXPECT_FALSE(std::filesystem::exists(target));
}

TEST(BlockCopy, AFailedOrCancelledCopyOverAnExistingFileLeavesItByteIdentical) {
  test::TempDir dir;
  const std::string target = dir.File("kept");
  const std::string before("the copy the user already had\n\x00\xff", 33);
  ASSERT_TRUE(test::WriteFile(target, before));
  {
    CopyProgress progress;
    PatternSource source{100000, 3};
    EXPECT_EQ(CopyBlocks(std::ref(source), 1024, target, progress), CopyOutcome::kFailed);
    EXPECT_EQ(test::ReadFile(target), before);
  }
  {
    CopyProgress progress;
    PatternSource source{100000, 3, true, &progress};
    EXPECT_EQ(CopyBlocks(std::ref(source), 1024, target, progress), CopyOutcome::kCancelled);
    EXPECT_EQ(test::ReadFile(target), before);
  }
  // Nothing but the kept file is left in the folder.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
    ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(BlockCopy, ATargetThatCannotBeCreatedFails) {
  test::TempDir dir;
  CopyProgress progress;
  PatternSource source{10};
  EXPECT_EQ(CopyBlocks(std::ref(source), 16, dir.File("missing/copy"), progress),
            CopyOutcome::kFailed);
}

}  // namespace
}  // namespace vantrel::tools
