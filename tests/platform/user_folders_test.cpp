// The user's folders come from the environment of the moment: each test points HOME and the XDG
// variables at a fresh folder and puts them back afterwards.
#include "platform/user_folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/executable_folder.h"
#include "platform/program_folder.h"
#include "temp_dir.h"

namespace vantrel::platform {
namespace {

class UserFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
      const char* value = getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    Set("HOME", home());
    Set("XDG_CONFIG_HOME", home() + "/.config");
    unsetenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  static void Set(const char* name, const std::string& value) { setenv(name, value.c_str(), 1); }
  std::string home() const { return home_.path().string(); }

  test::TempDir home_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(UserFoldersTest, DocumentsFolderFollowsHomeAndTheUsersDirectoryNames) {
  EXPECT_EQ(DocumentsFolder(), home() + "/Documents");
  EXPECT_EQ(DesktopFolder(), home() + "/Desktop");

  ASSERT_TRUE(test::WriteFile(home_.path() / ".config" / "user-dirs.dirs",
                              "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n"
                              "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"));
  EXPECT_EQ(DocumentsFolder(), home() + "/Papers");
  EXPECT_EQ(DesktopFolder(), home() + "/Schreibtisch");

  // Asked again with another home: nothing of the first answer is kept.
  test::TempDir other;
  Set("HOME", other.path().string());
  Set("XDG_CONFIG_HOME", other.File(".config"));
  EXPECT_EQ(DocumentsFolder(), other.File("Documents"));
}

TEST_F(UserFoldersTest, UserDataFolderTakesOnlyAnAbsoluteXdgDataHome) {
  EXPECT_EQ(UserDataFolder(), home() + "/.local/share/vantrel-viewer");

  Set("XDG_DATA_HOME", home() + "/data/");
  EXPECT_EQ(UserDataFolder(), home() + "/data/vantrel-viewer");

  Set("XDG_DATA_HOME", "relative/data");
  EXPECT_EQ(UserDataFolder(), home() + "/.local/share/vantrel-viewer");

  unsetenv("XDG_DATA_HOME");
  unsetenv("HOME");
  EXPECT_EQ(UserDataFolder(), "");
}

TEST_F(UserFoldersTest, ProgramFolderFallsBackToTheDataFolderWhenTheExecutablesIsUnusable) {
  // The test executable's own folder is the build's, which this user can write.
  EXPECT_EQ(ProgramFolder(), ExecutableFolder());
  EXPECT_EQ(ProgramFolderFor(home()), home());
  EXPECT_EQ(ProgramFolderFor(home() + "/missing"), home() + "/.local/share/vantrel-viewer");
  EXPECT_EQ(ProgramFolderFor(""), home() + "/.local/share/vantrel-viewer");
}

}  // namespace
}  // namespace vantrel::platform
