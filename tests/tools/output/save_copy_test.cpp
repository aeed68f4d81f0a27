// Saved copies: the names and filter the save dialog offers, card recordings copied byte for
// byte through the LyFS library, copies onto the source itself, and card files that cannot be
// read, which leave nothing behind.
#include "tools/output/save_copy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/lyfs_card_scan.h"
#include "sim/file_digest.h"
#include "sim/lyfs_card_writer.h"
#include "small_lyfs_card.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

namespace fs = std::filesystem;

class SaveCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (std::string_view name : kLyfsDirectoryNames) catalogue_.AddDirectoryName(name);
    catalogue_.AddExtension(kRecordingExtension);
  }
  void OpenCard() {
    std::string error;
    ASSERT_TRUE(sim::WriteLyfsCard(test::SmallLyfsCard(), image_, &error, &written_)) << error;
    SourceRecord source;
    source.root = "/media/card/";
    source.device_path = image_;
    source.kind = SourceKind::kLyfsCard;
    catalogue_.SetSources({source});
    catalogue_.set_opened_source_index(0);
    ASSERT_TRUE(ScanLyfsCard(catalogue_, source));
    ASSERT_NE(catalogue_.lyfs_device(), nullptr);
  }
  const RecordingEntry* EntryNamed(const std::string& name) const {
    for (const RecordingEntry& entry : catalogue_.entries()) {
      if (entry.name == name) return &entry;
    }
    return nullptr;
  }
  std::optional<LyfsDeviceBlock> Device() const { return *catalogue_.lyfs_device(); }

  test::TempDir dir_;
  const std::string image_ = dir_.File("card.img");
  RecordingCatalogue catalogue_;
  std::vector<sim::WrittenCardFile> written_;
};

TEST_F(SaveCopyTest, CardRecordingsCopyByteForByte) {
  OpenCard();
  ASSERT_FALSE(written_.empty());
  for (const sim::WrittenCardFile& file : written_) {
    SCOPED_TRACE(file.name);
    const RecordingEntry* entry = EntryNamed(file.name);
    ASSERT_NE(entry, nullptr);
    const auto plan = PlanSaveCopy(catalogue_, *entry, "/home/u/Desktop");
    ASSERT_TRUE(plan);
    EXPECT_TRUE(plan->on_card);
    EXPECT_EQ(plan->source, "/" + file.directory + "/" + file.name);
    EXPECT_EQ(plan->initial_path,
              "/home/u/Desktop/" + file.name.substr(0, file.name.rfind('.')) + ".avi");
    EXPECT_EQ(SaveCopyFilter(*plan), "video (*.avi)");
    const std::string target = dir_.File("copy-" + file.name);
    EXPECT_FALSE(CopiesOntoItself(*plan, target));
    // Written onto the card it comes from, the copy would destroy the card.
    EXPECT_TRUE(CopiesOntoItself(*plan, image_));
    EXPECT_TRUE(CopiesOntoItself(*plan, dir_.path().string() + "/./card.img"));
    tools::CopyProgress progress;
    ASSERT_EQ(RunSaveCopy(*plan, Device(), target, progress), tools::CopyOutcome::kCopied);
    EXPECT_EQ(sim::Sha256OfFile(target), file.sha256);
    EXPECT_EQ(progress.total.load(), file.size);
    EXPECT_EQ(progress.copied.load(), file.size);
  }
}

TEST_F(SaveCopyTest, ACardFileThatCannotBeReadLeavesNoTarget) {
  OpenCard();
  const RecordingEntry* entry = EntryNamed(written_.front().name);
  ASSERT_NE(entry, nullptr);
  const std::string target = dir_.File("copy.avi");
  // An id that names no file of that name: the library refuses to open it.
  RecordingEntry stale = *entry;
  stale.lyfs_file_id += 1000;
  auto plan = PlanSaveCopy(catalogue_, stale, dir_.path().string());
  ASSERT_TRUE(plan);
  tools::CopyProgress progress;
  EXPECT_EQ(RunSaveCopy(*plan, Device(), target, progress), tools::CopyOutcome::kFailed);
  EXPECT_FALSE(fs::exists(target));

  // The card closed before the copy starts.
  plan = PlanSaveCopy(catalogue_, *entry, dir_.path().string());
  const std::optional<LyfsDeviceBlock> device = Device();
  catalogue_.ReleaseLyfsDevice();
  EXPECT_EQ(RunSaveCopy(*plan, device, target, progress), tools::CopyOutcome::kFailed);
  EXPECT_EQ(RunSaveCopy(*plan, std::nullopt, target, progress), tools::CopyOutcome::kFailed);
  EXPECT_FALSE(fs::exists(target));

  // A directory the catalogue does not know offers no copy.
  stale.group = 9;
  EXPECT_FALSE(PlanSaveCopy(catalogue_, stale, dir_.path().string()));
}

TEST_F(SaveCopyTest, CardNamesStayFileNamesAndANameWithoutDotKeepsOnlyTheExtension) {
  const auto odd = PlanSaveCopy(catalogue_, MakeEntry("a/b.c.avi", 1, 3, "a/b.c.avi", 1), "/d");
  ASSERT_TRUE(odd);
  EXPECT_EQ(odd->initial_path, "/d/a_b.c.avi");
  EXPECT_EQ(odd->source, "/INFINITE/a/b.c.avi");
  const auto bare = PlanSaveCopy(catalogue_, MakeEntry("NODOT", 2, 3, "NODOT", 1), "/d");
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->initial_path, "/d/.avi");
}

TEST_F(SaveCopyTest, OrdinaryFilesKeepTheirNameAndExtensionAndNeverCopyOntoThemselves) {
  const std::string source = dir_.File("REC_20240101_100000.AVI");
  ASSERT_TRUE(test::WriteFile(source, std::string(300000, 'r')));
  const auto plan = PlanSaveCopy(
      catalogue_, MakeEntry("REC_20240101_100000.AVI", 0, -1, source, 300000), "/home/u/Desktop");
  ASSERT_TRUE(plan);
  EXPECT_FALSE(plan->on_card);
  EXPECT_EQ(plan->initial_path, "/home/u/Desktop/REC_20240101_100000.AVI");
  EXPECT_EQ(SaveCopyFilter(*plan), "video (*.AVI)");
  EXPECT_TRUE(CopiesOntoItself(*plan, source));
  // The same file by another spelling would be emptied by its own copy just as well.
  EXPECT_TRUE(CopiesOntoItself(*plan, dir_.path().string() + "/./REC_20240101_100000.AVI"));
  const std::string target = dir_.File("copy.AVI");
  EXPECT_FALSE(CopiesOntoItself(*plan, target));
  tools::CopyProgress progress;
  ASSERT_EQ(RunSaveCopy(*plan, std::nullopt, target, progress), tools::CopyOutcome::kCopied);
  EXPECT_EQ(test::ReadFile(target), test::ReadFile(source));

  const auto bare = PlanSaveCopy(catalogue_, MakeEntry("x", 0, -1, "/c.d/x", 1), "/d");
  ASSERT_TRUE(bare);
  EXPECT_EQ(SaveCopyFilter(*bare), "video (*.*)");
}

}  // namespace
}  // namespace vantrel
