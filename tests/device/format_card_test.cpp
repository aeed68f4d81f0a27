// The Format command over a fake formatter: what is asked, what is refused before anything is
// touched, which format runs with which label, and the card's files coming back.
#include <gtest/gtest.h>

#include <fstream>

#include "device/format_card.h"
#include "platform/volume_provider_simulated.h"
#include "temp_dir.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;
using Target = platform::CardFormatter::Target;

class FakeFormatter : public platform::CardFormatter {
 public:
  bool ReleaseVolume(const platform::Volume&) override {
    ++released;
    return true;
  }
  std::optional<std::string> FormatFat(const platform::Volume& card, Target target,
                                       const std::string& label) override {
    formats.push_back({target, label});
    fs::remove_all(card.root);
    if (card_removed || fail) return std::nullopt;
    fs::create_directories(card.root);
    return card.root;
  }

  struct Format {
    Target target;
    std::string label;
  };
  std::vector<Format> formats;
  int released = 0;
  bool fail = false;
  bool card_removed = false;
};

class FakePorts : public device::FormatCardPorts {
 public:
  explicit FakePorts(FakeFormatter& formatter) : formatter_(formatter) {}
  bool Confirm(const std::string& question) override {
    questions.push_back(question);
    return yes;
  }
  std::optional<std::string> AskFatLabel(const std::string& label) override {
    offered_label = label;
    return dialog_label;
  }
  device::CardFormatOutcome Run(const device::CardFormatJob& job) override {
    ++runs;
    return device::RunCardFormat(job, formatter_);
  }
  void Show(const std::string& text) override { shown.push_back(text); }

  bool yes = true;
  std::optional<std::string> dialog_label = "CARD";
  std::vector<std::string> questions;
  std::string offered_label;
  int runs = 0;
  std::vector<std::string> shown;

 private:
  FakeFormatter& formatter_;
};

class FormatCardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(root_);
    ASSERT_TRUE(WriteFile(root_ / "setup.cfg", setup_));
    ASSERT_TRUE(WriteFile(root_ / "REC_20140101_120000.avi", "video"));
    ASSERT_TRUE(WriteFile(image_, std::string(4096, '\0')));
    ASSERT_TRUE(WriteFile(program_ / "Vantrel Viewer.msi", "installer"));
  }

  // The card as the simulated volume provider reads it from a description.
  std::optional<platform::Volume> Card(const std::string& settings = "") {
    const fs::path description = temp_.path() / "cards.txt";
    std::ofstream(description) << "[volume]\nroot = " << root_.string()
                               << "\ndevice = " << image_.string() << "\n"
                               << settings;
    platform::SimulatedVolumeProvider volumes;
    EXPECT_TRUE(volumes.Load(description));
    return platform::VolumeAtRoot(volumes, root_.string() + "/");
  }

  device::FormatCardResult Format(const std::string& model, int language = 0) {
    device::FormatCardRequest request;
    request.card = card_;
    request.model = model;
    request.language_index = language;
    request.program_folder = program_.string();
    request.parking_parent = parked_.string();
    return device::FormatCard(request, ports_);
  }

  TempDir temp_;
  const fs::path root_ = temp_.path() / "card";
  const fs::path image_ = temp_.path() / "card.img";
  const fs::path program_ = temp_.path() / "program";
  const fs::path parked_ = temp_.path() / "parked";
  const std::string setup_ = "Product Name            : KT410A\r\n";
  std::optional<platform::Volume> card_ = Card();
  FakeFormatter formatter_;
  FakePorts ports_{formatter_};
};

TEST_F(FormatCardTest, AVolumeThatIsNoCardOfItsOwnIsRefusedBeforeAnythingIsTouched) {
  for (const char* settings : {"removable = 0\n", "system = 1\n", "sector_size = 0\n"}) {
    card_ = Card(settings);
    ASSERT_TRUE(card_);
    ports_.shown.clear();
    const device::FormatCardResult result = Format("KT410A");
    EXPECT_FALSE(result.ran) << settings;
    ASSERT_EQ(ports_.shown.size(), 1u);
    EXPECT_NE(ports_.shown[0].find("not a removable card"), std::string::npos);
  }
  EXPECT_EQ(ports_.runs, 0);
  EXPECT_TRUE(formatter_.formats.empty());
  EXPECT_FALSE(fs::exists(parked_));
  EXPECT_EQ(ReadFile(root_ / "setup.cfg"), setup_);
  EXPECT_TRUE(fs::exists(root_ / "REC_20140101_120000.avi"));
}

TEST_F(FormatCardTest, NothingHappensWithoutACardALanguageLibraryOrAYes) {
  ports_.yes = false;
  EXPECT_FALSE(Format("KT410A").ran);
  ASSERT_EQ(ports_.questions.size(), 1u);
  EXPECT_NE(ports_.questions[0].find("Format the card now?"), std::string::npos);
  ports_.yes = true;
  EXPECT_FALSE(Format("KT410A", 9).ran);  // no library for that language
  card_.reset();
  EXPECT_FALSE(Format("KT410A").ran);
  EXPECT_EQ(ports_.questions.size(), 1u);
  EXPECT_EQ(ports_.runs, 0);
}

TEST_F(FormatCardTest, AFatFormatUsesTheDialogsLabelAndBringsTheCardsFilesBack) {
  ports_.dialog_label = "MY CARD";
  const device::FormatCardResult result = Format("KT410A");
  EXPECT_TRUE(result.ran && result.succeeded);
  EXPECT_EQ(result.kind, device::CardFormatKind::kFat);
  EXPECT_EQ(ports_.offered_label, "KT410A");
  ASSERT_EQ(formatter_.formats.size(), 1u);
  EXPECT_EQ(formatter_.formats[0].target, Target::kVolume);
  EXPECT_EQ(formatter_.formats[0].label, "MY CARD");
  EXPECT_EQ(result.outcome.result, 0);
  EXPECT_TRUE(ports_.shown.empty());
  EXPECT_EQ(result.outcome.restored, std::vector<std::string>{"setup.cfg"});
  EXPECT_EQ(ReadFile(root_ / "setup.cfg"), setup_);
  EXPECT_FALSE(fs::exists(root_ / "REC_20140101_120000.avi"));
  // A card without the installer receives the program folder's.
  EXPECT_EQ(ReadFile(root_ / "Vantrel Viewer.msi"), "installer");
  EXPECT_TRUE(fs::is_empty(parked_));
}

TEST_F(FormatCardTest, ACancelledFatDialogFormatsNothingYetCountsAsDone) {
  ports_.dialog_label.reset();
  const device::FormatCardResult result = Format("KT730A");
  EXPECT_TRUE(result.succeeded);
  EXPECT_TRUE(formatter_.formats.empty());
  EXPECT_TRUE(fs::exists(root_ / "REC_20140101_120000.avi"));
  EXPECT_EQ(ReadFile(root_ / "setup.cfg"), setup_);
  EXPECT_EQ(ReadFile(root_ / "Vantrel Viewer.msi"), "installer");
}

TEST_F(FormatCardTest, AFailedFatFormatIsReportedAndTheFilesAreKeptWhereTheUserIsTold) {
  formatter_.fail = true;
  const device::FormatCardResult result = Format("KT410A");
  EXPECT_TRUE(result.ran);
  EXPECT_FALSE(result.succeeded);
  ASSERT_EQ(ports_.shown.size(), 2u);
  EXPECT_EQ(ports_.shown[0], device::kFatFormatFailedMessage);
  // The fake took the card's folder away, so nothing could go back.
  const std::string kept = result.outcome.kept_folder;
  ASSERT_FALSE(kept.empty());
  EXPECT_NE(ports_.shown[1].find(kept), std::string::npos);
  EXPECT_EQ(ReadFile(fs::path(kept) / "setup.cfg"), setup_);
}

TEST_F(FormatCardTest, MeridaModelsAndLyfsCardsGetTheLyfsFormatWithItsCode) {
  // The 4 KiB image has no room for partition 1: the LyFS format stops with 1003.
  const device::FormatCardResult result = Format("KT520A(Merida)", 1);
  EXPECT_EQ(result.kind, device::CardFormatKind::kLyfs);
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(result.outcome.result, 1003);
  EXPECT_EQ(formatter_.released, 1);
  EXPECT_TRUE(formatter_.formats.empty());
  EXPECT_TRUE(ports_.offered_label.empty());  // no FAT dialog for a LyFS format
  ASSERT_EQ(ports_.shown.size(), 1u);
  EXPECT_EQ(ports_.shown[0], "LyFS 영역 포맷을 실패 하였습니다.\nSD 카드를 점검하세요 (1003)");
  EXPECT_EQ(ReadFile(root_ / "setup.cfg"), setup_);
  EXPECT_EQ(device::FormatKindFor(image_.string(), "MERIDA"), device::CardFormatKind::kLyfs);
  EXPECT_EQ(device::FormatKindFor(image_.string(), "KT730A(Merida)"),
            device::CardFormatKind::kLyfs);
  EXPECT_EQ(device::FormatKindFor(image_.string(), "KT520A"), device::CardFormatKind::kFat);
  EXPECT_EQ(device::FormatKindFor(image_.string(), "merida"), device::CardFormatKind::kFat);
}

}  // namespace
}  // namespace vantrel::test
