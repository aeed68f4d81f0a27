// The file-name grammar: which names are taken, what their fields read as, their kinds, the list
// order, and the narrow copies of names.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/narrow_name.h"
#include "catalogue/recording_entry.h"
#include "catalogue/recording_name.h"

namespace vantrel {
namespace {

const std::vector<std::string> kAvi = {"avi"};

TEST(RecordingNameTest, AcceptsOnlyNamesWhoseLastExtensionIsListed) {
  EXPECT_TRUE(HasAcceptedExtension("EVT_20120815_143005_F.AVI", kAvi));
  EXPECT_TRUE(HasAcceptedExtension("clip.avi", kAvi));
  EXPECT_TRUE(HasAcceptedExtension("a.b.Avi", kAvi));
  EXPECT_TRUE(HasAcceptedExtension("AVI", kAvi));  // no "." at all: the whole name is compared
  EXPECT_FALSE(HasAcceptedExtension("REC_20120815_143005.mp4", kAvi));
  EXPECT_FALSE(HasAcceptedExtension("REC.avi.mp4", kAvi));
  EXPECT_FALSE(HasAcceptedExtension("REC.avi ", kAvi));
  EXPECT_FALSE(HasAcceptedExtension("REC.", kAvi));
  EXPECT_FALSE(HasAcceptedExtension("", kAvi));
  EXPECT_FALSE(HasAcceptedExtension("clip.avi", {}));
}

TEST(RecordingNameTest, FieldsAreReadByPositionLikeAtoi) {
  const NameTime time = ParseNameTime("EVT_20120815_143005_F.AVI");
  EXPECT_EQ(time.year, 2012);
  EXPECT_EQ(time.month, 8);
  EXPECT_EQ(time.day, 15);
  EXPECT_EQ(time.hour, 14);
  EXPECT_EQ(time.minute, 30);
  EXPECT_EQ(time.second, 5);

  const NameTime clip = ParseNameTime("clip.avi");
  EXPECT_EQ(clip.year + clip.month + clip.day + clip.hour + clip.minute + clip.second, 0);

  EXPECT_EQ(NameField("REC_ 7x9", 4, 4), 7);    // leading space, stops at the first non-digit
  EXPECT_EQ(NameField("REC_+201", 4, 4), 201);  // a sign is read as atoi reads it
  EXPECT_EQ(NameField("REC_-201", 4, 4), 0);    // but no field is negative: never wraps
  EXPECT_EQ(NameField("REC_20", 4, 4), 20);     // a field cut short by the end of the name
  EXPECT_EQ(NameField("REC", 4, 4), 0);         // a field past the end
  EXPECT_EQ(NameField("REC_99999999", 4, 8), UINT16_MAX);
  // Positions count characters, not bytes: a two-byte separator does not shift the fields.
  EXPECT_EQ(ParseNameTime("REC\xC3\xA9"
                          "20120815_143005.avi")
                .year,
            2012);
  EXPECT_EQ(ParseNameTime("REC\xC3\xA9"
                          "20120815_143005.avi")
                .second,
            5);
}

TEST(RecordingNameTest, KindFollowsTheExactCaseSensitivePrefix) {
  EXPECT_EQ(KindOfName("MOT_20120815_143005.avi"), RecordingKind::kParking);
  EXPECT_EQ(KindTextId("MOT_20120815_143005.avi"), 210u);
  EXPECT_EQ(KindTextId("PRK_20120815_143005.avi"), 134u);
  EXPECT_EQ(KindOfName("rec_20120815_143005.avi"), RecordingKind::kUnknown);
  EXPECT_EQ(KindTextId("rec_20120815_143005.avi"), std::nullopt);
  EXPECT_EQ(KindOfName("RE"), RecordingKind::kUnknown);
}

TEST(RecordingNameTest, EntriesSortByNameTimeThenSmallerSize) {
  std::vector<RecordingEntry> entries = {
      MakeEntry("REC_20120815_143005.avi", 1, -1, "/r", 3 * 1024),
      MakeEntry("EVT_20120815_143005.avi", 1, -1, "/e", 2 * 1024 + 1023),
      MakeEntry("PRK_20120815_143004.avi", 1, -1, "/p", 9 * 1024),
      MakeEntry("MOT_20110101_000000.avi", 1, -1, "/m", 0),
  };
  EXPECT_EQ(entries[1].size_kib, 2u);
  EXPECT_EQ(MakeEntry("x.avi", 0, -1, "", 10485760).size_kib, 10240u);
  std::sort(entries.begin(), entries.end(), EntryComesBefore);
  std::vector<std::string> order;
  for (const RecordingEntry& entry : entries) order.push_back(entry.path);
  EXPECT_EQ(order, (std::vector<std::string>{"/m", "/p", "/e", "/r"}));
}

TEST(NarrowNameTest, CopiesAreTerminatedAndNeverEndInsideACharacter) {
  const NarrowName long_name = MakeNarrowName(std::string(70, 'A'));
  EXPECT_EQ(NarrowText(long_name), std::string(63, 'A'));
  EXPECT_EQ(long_name[63], '\0');

  // 62 bytes and a three-byte character: the character does not fit, so it is left out whole.
  const std::string hangul = std::string(62, 'B') + "\xEA\xB0\x80";
  EXPECT_EQ(NarrowText(MakeNarrowName(hangul)), std::string(62, 'B'));
  EXPECT_EQ(NarrowText(MakeNarrowName(std::string("NOR\0MAL", 7))), "NOR");

  NarrowName unterminated;
  unterminated.fill('C');  // as a card's list could give it
  EXPECT_EQ(NarrowText(unterminated).size(), kNarrowNameBytes);
}

}  // namespace
}  // namespace vantrel
