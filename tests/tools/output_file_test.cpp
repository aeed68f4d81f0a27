#include "tools/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "temp_dir.h"
#include "tools/file_part.h"
#include "tools/mapped_part.h"

namespace vantrel::tools {
namespace {

// Bytes that differ from page to page, so a range taken from the wrong place shows.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
  return bytes;
}

// Copied bytes, bytes written in place and ranges of another file land in the order they were
// appended, across buffer fills and across more pieces than one gathered write takes.
TEST(OutputFile, PiecesLandInOrder) {
  test::TempDir dir;
  const std::string source = Pattern(3 * 1024 * 1024 + 777);
  test::WriteFile(dir.File("source"), source);
  const int from = ::open(dir.File("source").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(from, 0);
  OutputFile out(dir.File("out"));
  ASSERT_TRUE(out.is_open());
  std::string expected;

  char scratch[] = "head";
  EXPECT_TRUE(out.Append(scratch, 4));
  scratch[0] = 'X';  // copied: changing it afterwards changes nothing
  expected += "head";
  EXPECT_TRUE(out.Append(nullptr, 0));  // an empty piece from nowhere adds nothing
  EXPECT_TRUE(out.AppendRange(from, 12345, 2 * 1024 * 1024 + 3));  // more than the buffer
  expected += source.substr(12345, 2 * 1024 * 1024 + 3);
  for (size_t i = 0; i < 3000; ++i) {  // in place, alternating with copies: 6000 pieces
    EXPECT_TRUE(out.AppendInPlace(source.data() + i * 997, 13));
    EXPECT_TRUE(out.Append("-", 1));
    expected += source.substr(i * 997, 13) + "-";
  }
  const std::string large(2000000, 'x');
  EXPECT_TRUE(out.Append(large.data(), large.size()));  // larger than the buffer
  expected += large;
  EXPECT_TRUE(out.AppendRange(from, 0, 10));
  expected += source.substr(0, 10);
  EXPECT_TRUE(out.Flush());
  EXPECT_EQ(test::ReadFile(dir.File("out")), expected);

  EXPECT_FALSE(out.AppendRange(from, source.size() - 10, 20)) << "the source ends first";
  ::close(from);
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")).substr(0, expected.size()), expected);
}

TEST(OutputFile, DiscardEmptiesTheFileAndForgetsPendingPieces) {
  test::TempDir dir;
  OutputFile out(dir.File("out"));
  EXPECT_TRUE(out.Append(std::string(3000000, 'y').data(), 3000000));
  EXPECT_TRUE(out.Append("tail", 4));
  out.Discard();
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")), "");

  OutputFile again(dir.File("again"));
  EXPECT_TRUE(again.Append(std::string(3000000, 'y').data(), 3000000));
  again.Discard();
  EXPECT_TRUE(again.Append("new", 3));
  EXPECT_TRUE(again.Close());
  EXPECT_EQ(test::ReadFile(dir.File("again")), "new") << "written from the start, no gap";
  EXPECT_FALSE(OutputFile(dir.File("missing/out")).is_open());
}

// A part cut short while it is mapped: its missing bytes fail the write; the program lives on.
TEST(OutputFile, BytesOfAMappedPartCutShortFailTheWrite) {
  test::TempDir dir;
  const std::string bytes = Pattern(1 << 20);
  test::WriteFile(dir.File("part"), bytes);
  const auto file = OpenFile::Open(dir.File("part"));
  ASSERT_TRUE(file);
  const FilePart part(*file, 100, file->size());
  MappedPart mapped(part);
  ASSERT_TRUE(mapped.is_mapped());
  OutputFile out(dir.File("out"));
  EXPECT_TRUE(out.AppendInPlace(mapped.Bytes(0, 5000), 5000));
  EXPECT_TRUE(out.Flush());
  EXPECT_EQ(test::ReadFile(dir.File("out")), bytes.substr(100, 5000)) << "starts inside a page";

  ASSERT_EQ(::truncate(dir.File("part").c_str(), 0), 0);
  EXPECT_TRUE(out.AppendInPlace(mapped.Bytes(5000, 600000), 600000));
  EXPECT_FALSE(out.Flush());
  EXPECT_FALSE(out.Close());
}

}  // namespace
}  // namespace vantrel::tools
