// The language libraries as built beside this test, the look-up that reads them, the tool that
// makes them and the "text" subcommand of vantrel-cli.
#include "app/language.h"

#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/executable_folder.h"
#include "run_program.h"
#include "temp_dir.h"

namespace vantrel {
namespace {

using test::ErrorOutput;
using test::ProgramRun;
using test::RunProgram;
using test::TempDir;
using test::ToolPath;
using test::WriteFile;

// Every text id the viewer looks up.
const std::set<uint32_t> kUsedIds = {
    101, 102, 103, 105, 106, 107, 108, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121,
    122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 143, 145, 148,
    149, 150, 151, 152, 153, 154, 155, 156, 157, 158, 159, 160, 161, 163, 164, 165, 166, 168, 169,
    170, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188,
    189, 190, 191, 192, 193, 194, 195, 196, 198, 199, 200, 201, 202, 203, 204, 205, 206, 208, 209,
    210, 211, 212, 213, 214, 215, 216, 217, 220, 227, 234, 235, 236, 241, 242, 243, 244, 246, 247,
    248, 251, 254, 255, 256, 257, 272, 5020, 5021,
    // saved copies
    5000, 5001, 5002,
    // the card's disk refused, the card not writable
    5060, 5061,
    // the card format: its refusals, kept files, dialog and busy window
    5040, 5041, 5042, 5043, 5044, 5045, 5046, 5047, 5048};

std::string BinFolder() { return platform::ExecutableFolder(); }
std::string FixtureFolder() { return BinFolder() + "/language-fixture"; }

// The ids a library exports, read straight from its table.
std::set<uint32_t> IdsOfLibrary(const std::string& path) {
  std::set<uint32_t> ids;
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) return ids;
  const auto* count = static_cast<const uint32_t*>(dlsym(handle, "vantrel_string_count"));
  const auto* table = static_cast<const uint32_t(*)[2]>(dlsym(handle, "vantrel_string_table"));
  if (count != nullptr && table != nullptr) {
    for (uint32_t i = 0; i < *count; ++i) ids.insert(table[i][0]);
  }
  dlclose(handle);
  return ids;
}

// "vantrel-cli text WORDS...".
ProgramRun Text(std::vector<std::string> words, ErrorOutput error = ErrorOutput::kDropped) {
  words.insert(words.begin(), "text");
  return RunProgram(ToolPath("vantrel-cli"), words, error);
}

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

TEST(LanguageLibraries, AnswerEveryUsedIdInAllFourLanguages) {
  for (int language = kEnglish; language <= kJapanese; ++language) {
    for (const uint32_t id : kUsedIds) {
      const auto text = LoadLanguageString(language, id);
      ASSERT_TRUE(text.has_value()) << "language " << language << " id " << id;
      EXPECT_FALSE(text->empty());
    }
  }
}

TEST(LanguageLibraries, HoldExactlyTheUsedIds) {
  for (int language = kEnglish; language <= kJapanese; ++language) {
    EXPECT_EQ(IdsOfLibrary(BinFolder() + "/" + LanguageLibraryName(language)), kUsedIds)
        << LanguageLibraryName(language);
  }
}

TEST(LanguageLibraries, AreTranslatedNotCopied) {
  for (int language = kKorean; language <= kJapanese; ++language) {
    size_t same = 0;
    for (const uint32_t id : kUsedIds) {
      if (LoadLanguageString(language, id) == LoadLanguageString(kEnglish, id)) ++same;
    }
    // A few texts are the same in both ("OK", "Pause").
    EXPECT_LT(same * 10, kUsedIds.size()) << LanguageLibraryName(language);
  }
}

TEST(LanguageLibraries, CarryTheFixedKoreanStartupMessage) {
  EXPECT_EQ(LoadLanguageString(kKorean, 103), "Windows 소켓을 초기화하지 못했습니다.");
}

TEST(LanguageLookup, NamesOnlyTheFourLibraries) {
  EXPECT_EQ(LanguageLibraryName(kEnglish), "English.dll");
  EXPECT_EQ(LanguageLibraryName(kKorean), "Korean.dll");
  EXPECT_EQ(LanguageLibraryName(kGerman), "German.dll");
  EXPECT_EQ(LanguageLibraryName(kJapanese), "Japanese.dll");
  for (const int index : {-1, 4, 7}) {
    EXPECT_EQ(LanguageLibraryName(index), "");
    EXPECT_EQ(LoadLanguageString(index, 101), std::nullopt) << index;
  }
}

TEST(LanguageLookup, CutsLongTextsAtCharactersToFitTheBuffer) {
  const std::string folder = FixtureFolder();
  // Text 1: 1100 three-byte characters.
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 1), Repeat("가", 1023));
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 1, kPickerBufferChars), Repeat("가", 127));
  // Text 2: characters of one, two, three and four bytes in turn; 1023 = 255 x 4 + 3.
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 2), Repeat("aé가😀", 255) + "aé가");
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 2, kPickerBufferChars),
            Repeat("aé가😀", 31) + "aé가");
  // Text 3: exactly 1023 characters fit a buffer of 1024.
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 3), Repeat("é", 1023));
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 3, 1023), Repeat("é", 1022));
  // The smallest buffers: one character, and room for the terminator only.
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 3, 2), "é");
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 3, 1), std::nullopt);
  EXPECT_EQ(LoadLanguageStringFrom(folder, kEnglish, 3, 0), std::nullopt);
}

TEST(LanguageLookup, KeepsEscapedCharactersOfTheTable) {
  EXPECT_EQ(LoadLanguageStringFrom(FixtureFolder(), kEnglish, 4), "Say \"hi\"?\nTab\there \\ done");
}

TEST(LanguageLookup, GivesNoneWithoutALibraryOrText) {
  TempDir empty;
  EXPECT_EQ(LoadLanguageStringFrom(empty.path().string(), kEnglish, 101), std::nullopt);
  EXPECT_EQ(LoadLanguageStringFrom("", kEnglish, 101), std::nullopt);
  // The fixture folder holds an English library only.
  EXPECT_EQ(LoadLanguageStringFrom(FixtureFolder(), kKorean, 1), std::nullopt);
  EXPECT_EQ(LoadLanguageStringFrom(FixtureFolder(), kEnglish, 101), std::nullopt);
  EXPECT_EQ(LoadLanguageString(kEnglish, 0), std::nullopt);
  EXPECT_EQ(LoadLanguageString(kEnglish, 104), std::nullopt);
  EXPECT_EQ(LoadLanguageString(kEnglish, 4294967295u), std::nullopt);

  TempDir broken;
  ASSERT_TRUE(WriteFile(broken.path() / "English.dll",
                        "\x7f"
                        "ELF but not really a library"));
  ASSERT_TRUE(WriteFile(broken.path() / "Korean.dll", ""));
  EXPECT_EQ(LoadLanguageStringFrom(broken.path().string(), kEnglish, 101), std::nullopt);
  EXPECT_EQ(LoadLanguageStringFrom(broken.path().string(), kKorean, 101), std::nullopt);
}

class StringTableTool : public ::testing::Test {
 protected:
  // Runs the tool on `table` (and `reference`, when given); true when it made the C source.
  bool Make(const std::string& table, const std::string& reference = "") {
    const auto table_path = folder_.path() / "table.txt";
    const auto output_path = folder_.path() / "table.c";
    std::filesystem::remove(output_path);
    EXPECT_TRUE(WriteFile(table_path, table));
    std::vector<std::string> words;
    if (!reference.empty()) {
      EXPECT_TRUE(WriteFile(folder_.path() / "reference.txt", reference));
      words = {"--reference", folder_.File("reference.txt")};
    }
    words.insert(words.end(), {table_path.string(), output_path.string()});
    const ProgramRun run =
        RunProgram(ToolPath("vantrel-string-table"), words, ErrorOutput::kMerged);
    messages_ = run.output;
    const bool made = std::filesystem::exists(output_path);
    EXPECT_EQ(made, run.exit_code == 0) << messages_;
    return run.exit_code == 0;
  }

  TempDir folder_;
  std::string messages_;
};

TEST_F(StringTableTool, AcceptsCommentsBlankLinesAndWindowsLineEnds) {
  EXPECT_TRUE(Make("\xEF\xBB\xBF# texts\r\n\r\n101\tOpen\r\n   \n102\tA \\\\ b\\tc\\nd\n"))
      << messages_;
}

TEST_F(StringTableTool, RefusesARepeatedId) {
  EXPECT_FALSE(Make("# texts\n101\tOpen\n102\tCapture\n101\tOpen again\n"));
  EXPECT_THAT(messages_, ::testing::HasSubstr(":4: id 101 repeats line 2"));
}

TEST_F(StringTableTool, RefusesMalformedLines) {
  const std::vector<std::string> faulty = {
      "101 Open\n",           // a space instead of the tab
      "101\t\tOpen\n",        // a second tab
      "\t101\tOpen\n",        // nothing before the tab
      "x101\tOpen\n",         // not a number
      "0\tZero\n",            // id 0
      "65536\tToo large\n",   // beyond 16 bits
      "99999999999\tHuge\n",  // beyond 32 bits
      "101\t\n",              // empty text
      "101\tC:\\Users\n",     // unknown escape
      "101\tends in \\\n",    // a lone backslash
      "101\tbell \a\n",       // a raw control character
      "101\t\xC3\n",          // cut UTF-8 sequence
      "101\t\xC0\xAF\n",      // overlong UTF-8
      "101\t\xED\xA0\x80\n",  // a surrogate
      "# only a comment\n",   // no text at all
  };
  for (const std::string& table : faulty) EXPECT_FALSE(Make(table)) << table;
}

TEST_F(StringTableTool, RequiresTheIdsOfTheReferenceTable) {
  const std::string reference = "101\tOpen\n102\tCapture\n";
  EXPECT_TRUE(Make("102\tAufnahme\n101\tÖffnen\n", reference)) << messages_;
  EXPECT_FALSE(Make("101\tÖffnen\n", reference));
  EXPECT_THAT(messages_, ::testing::HasSubstr("id 102 of"));
  EXPECT_FALSE(Make("101\tÖffnen\n102\tAufnahme\n103\tExtra\n", reference));
  EXPECT_THAT(messages_, ::testing::HasSubstr("id 103 is not in"));
}

TEST(TextCommand, PrintsTheTextOfALanguage) {
  const ProgramRun korean = Text({"103", "--language", "1"});
  EXPECT_EQ(korean.exit_code, 0);
  EXPECT_EQ(korean.output, "Windows 소켓을 초기화하지 못했습니다.\n");

  const ProgramRun english = Text({"101"});
  EXPECT_EQ(english.exit_code, 0);
  EXPECT_EQ(english.output, *LoadLanguageString(kEnglish, 101) + "\n");

  const ProgramRun japanese = Text({"--language", "3", "251"});
  EXPECT_EQ(japanese.exit_code, 0);
  EXPECT_EQ(japanese.output, *LoadLanguageString(kJapanese, 251) + "\n");
}

TEST(TextCommand, ExitsWithOneWithoutTextAndTwoOnBadWords) {
  for (const auto& [words, why] : std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"104"}, "no text 104 in English.dll"},
           {{"101", "--language", "7"}, "language 7 has no library"},
           {{"101", "--language", "-1"}, "language -1 has no library"},
           {{"101", "--language", "4294967296"}, "language 4294967296 has no library"}}) {
    const ProgramRun run = Text(words, ErrorOutput::kSeparate);
    EXPECT_EQ(run.exit_code, 1) << ::testing::PrintToString(words);
    EXPECT_EQ(run.output, "") << ::testing::PrintToString(words);
    EXPECT_EQ(run.error, "vantrel-cli text: " + why + "\n");
  }
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{},
                                             {"abc"},
                                             {"-5"},
                                             {"101", "102"},
                                             {"101", "--language"},
                                             {"101", "--language", "x"}}) {
    EXPECT_EQ(Text(words).exit_code, 2) << ::testing::PrintToString(words);
  }
}

}  // namespace
}  // namespace vantrel
