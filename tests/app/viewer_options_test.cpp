#include "app/viewer_options.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "temp_dir.h"

namespace vantrel {
namespace {

class RecordedMessages : public UserMessages {
 public:
  void Show(const std::string& text) override { shown.push_back(text); }
  std::vector<std::string> shown;
};

// Differs from the fresh-start values in every field, so a key wrongly taken or ignored shows.
const ViewerOptions kBefore{"/kept", 11, true, 2, 4, 3};

ViewerOptions ReadText(const std::string& text) {
  test::TempDir dir;
  EXPECT_TRUE(test::WriteFile(dir.File("option.ini"), text));
  ViewerOptions options = kBefore;
  EXPECT_TRUE(ReadOptions(dir.File("option.ini"), options));
  return options;
}

TEST(WriteOptionsTest, WritesTheFourteenLinesExactlyAndReplacesTheFile) {
  test::TempDir dir;
  const std::string path = dir.File("option.ini");
  ASSERT_TRUE(test::WriteFile(path, std::string(2000, 'x')));
  RecordedMessages messages;

  ASSERT_TRUE(WriteOptions(path, ViewerOptions{}, messages));
  EXPECT_EQ(test::ReadFile(path),
            "[DIRECTORY]\r\nROOT_DIRECTORY=QX_RECBOX\r\nEVENT_DIRECTORY=MP4_EVENT\r\n"
            "CONTINUOS_DIRECTORY=MP4_INFINITE\r\n[OPTION]\r\nSAVE_DIRECTORY=\r\nPLAY_VALUE=5\r\n"
            "USE_LOG=FALSE\r\nLOG_LEVEL=3\r\nLOG_TYPE=3\r\nREAR_MIRROR=0\r\nLANGUAGE=1\r\n"
            "DEFAULT_LANGUAGE=0\r\nMODEL=0\r\n");

  const ViewerOptions changed{"/home/김/사진 모음", -30, true, 7, -1, 5};
  ASSERT_TRUE(WriteOptions(path, changed, messages));
  EXPECT_TRUE(test::ReadFile(path).ends_with(
      "[OPTION]\r\nSAVE_DIRECTORY=/home/김/사진 모음\r\nPLAY_VALUE=-30\r\nUSE_LOG=FALSE\r\n"
      "LOG_LEVEL=3\r\nLOG_TYPE=3\r\nREAR_MIRROR=1\r\nLANGUAGE=7\r\nDEFAULT_LANGUAGE=-1\r\n"
      "MODEL=5\r\n"));
  ViewerOptions read_back;
  ASSERT_TRUE(ReadOptions(path, read_back));
  EXPECT_EQ(read_back, changed);
  EXPECT_TRUE(messages.shown.empty());
}

TEST(WriteOptionsTest, FailureShowsTheMessageAndLeavesFoldersAndFilesAlone) {
  test::TempDir dir;
  RecordedMessages messages;

  // The config folder comes with the installation and is never made here.
  EXPECT_FALSE(WriteOptions(dir.File("config/option.ini"), ViewerOptions{}, messages));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "config"));
  EXPECT_EQ(messages.shown, std::vector<std::string>{"실패"});

  // A device that takes the open but not the bytes must not pass as a saved file.
  EXPECT_FALSE(WriteOptions("/dev/full", ViewerOptions{}, messages));

  // A line break in a folder name would come back as lines of its own.
  const std::string path = dir.File("option.ini");
  ASSERT_TRUE(test::WriteFile(path, "before"));
  for (const std::string& folder :
       std::vector<std::string>{"/a\r\nMODEL=5", std::string("/a\0b", 4), "/a\t"}) {
    EXPECT_FALSE(WriteOptions(path, ViewerOptions{folder}, messages));
  }
  EXPECT_EQ(test::ReadFile(path), "before");
  EXPECT_EQ(messages.shown, std::vector<std::string>(5, "실패"));
}

TEST(ReadOptionsTest, AFileThatCannotBeOpenedLeavesTheValues) {
  test::TempDir dir;
  ViewerOptions options = kBefore;
  EXPECT_FALSE(ReadOptions(dir.File("config/option.ini"), options));
  EXPECT_FALSE(ReadOptions(dir.path().string(), options)) << "a folder is no option file";
  // Refused at once, never waited on or read without end.
  const std::string fifo = dir.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_FALSE(ReadOptions(fifo, options));
  EXPECT_FALSE(ReadOptions("/dev/zero", options));
  EXPECT_EQ(options, kBefore);
  EXPECT_EQ(ReadText(""), kBefore);
}

TEST(ReadOptionsTest, KeysMatchExactlyAfterTrimmingOnlyControlCharacters) {
  const ViewerOptions options = ReadText(
      "PLAY_VALUE =9\r\n"            // the key ends in a space: no match
      "LANGUAGE\t=\t3\t\r\n"         // tabs are trimmed from key and value
      "[OPTION]MODEL=4\n"            // a header, even with "="
      "\t[X]DEFAULT_LANGUAGE=9\n"    // still a header once the tab is gone
      " MODEL=8\nmodel=8\n"          // a leading space is part of the key; keys keep case
      "SAVE_DIRECTORY= /a b=c \b\n"  // first "=", spaces kept
      "NO EQUALS SIGN\nROOT_DIRECTORY=x\n"
      "DEFAULT_LANGUAGE=1\nDEFAULT_LANGUAGE=2\n");  // a later line overwrites
  EXPECT_EQ(options, (ViewerOptions{" /a b=c ", 11, true, 3, 2, 3}));
}

TEST(ReadOptionsTest, NumbersAreReadAsAtoiReadsThem) {
  EXPECT_FALSE(ReadText("REAR_MIRROR=2\n").rear_mirror);
  EXPECT_FALSE(ReadText("REAR_MIRROR=\n").rear_mirror);
  EXPECT_TRUE(ReadText("REAR_MIRROR=1abc\n").rear_mirror);
  EXPECT_TRUE(ReadText("REAR_MIRROR= +01\n").rear_mirror);
  EXPECT_EQ(ReadText("PLAY_VALUE=  -12xyz\n").skip_step, -12);
  EXPECT_EQ(ReadText("PLAY_VALUE=- 5\n").skip_step, 0);
  EXPECT_EQ(ReadText("PLAY_VALUE=99999999999\n").skip_step, INT_MAX) << "saturates";
  EXPECT_EQ(ReadText("PLAY_VALUE=-99999999999\n").skip_step, INT_MIN);
  EXPECT_EQ(ReadText("LANGUAGE=7\n").language, 7) << "no range check";
}

TEST(ReadOptionsTest, LongLinesAreReadInPiecesAndANulEndsALine) {
  // 255 bytes make one piece; the rest of the line is taken as a line of its own.
  const std::string first_piece = "SAVE_DIRECTORY=" + std::string(240, 'a');
  ViewerOptions options = ReadText(first_piece + "bbbMODEL=9\r\nLANGUAGE=0\r\n");
  EXPECT_EQ(options.save_folder, std::string(240, 'a'));
  EXPECT_EQ(options.model, 3) << "\"bbbMODEL\" is no key";
  EXPECT_EQ(options.language, 0);
  EXPECT_EQ(ReadText(std::string(255, 'x') + "MODEL=9\n").model, 9);

  const char with_nul[] = "SAVE_DIRECTORY=/a\0b\n";
  EXPECT_EQ(ReadText(std::string(with_nul, sizeof with_nul - 1)).save_folder, "/a");

  // Only the first 64 KiB are an option file's.
  const std::string padding((64 << 10) - 8, '\n');
  EXPECT_EQ(ReadText(padding + "MODEL=9\n").model, 9);
  EXPECT_EQ(ReadText(padding + std::string(8, '\n') + "MODEL=9\n").model, 3);
}

}  // namespace
}  // namespace vantrel
