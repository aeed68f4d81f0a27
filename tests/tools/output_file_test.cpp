#include "tools/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

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
  EXPECT_FALSE(out.AppendRange(from, source.size() - 10, 20)) << "the source ends first";
  ::close(from);
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")).substr(0, expected.size()), expected);
}

// Until it is closed complete, an output is a hidden file beside its target: a file of the
// target's name keeps its bytes when the output is given up, and takes the new ones at Close.
TEST(OutputFile, ReplacesItsTargetOnlyWhenClosed) {
  test::TempDir dir;
  test::WriteFile(dir.File("out"), "old");
  {
    OutputFile out(dir.File("out"));
    EXPECT_TRUE(out.Append(std::string(3000000, 'y').data(), 3000000));
    EXPECT_TRUE(out.Flush());
    EXPECT_EQ(test::ReadFile(dir.File("out")), "old");
    out.Abandon();
  }
  {
    OutputFile dropped(dir.File("out"));  // never closed
    EXPECT_TRUE(dropped.Append("lost", 4));
  }
  EXPECT_EQ(test::ReadFile(dir.File("out")), "old");
  OutputFile out(dir.File("out"));
  EXPECT_TRUE(out.Append("new", 3));
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")), "new");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
      << "no temporary file is left behind";
  const OutputFile missing(dir.File("missing/out"));
  EXPECT_FALSE(missing.is_open());
  EXPECT_NE(missing.error().find("missing/out"), std::string::npos) << missing.error();
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
  OutputFile first(dir.File("out"));
  EXPECT_TRUE(first.AppendInPlace(mapped.Bytes(0, 5000), 5000));
  EXPECT_TRUE(first.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")), bytes.substr(100, 5000)) << "starts inside a page";

  OutputFile out(dir.File("out"));
  ASSERT_EQ(::truncate(dir.File("part").c_str(), 0), 0);
  EXPECT_TRUE(out.AppendInPlace(mapped.Bytes(5000, 600000), 600000));
  EXPECT_FALSE(out.Flush());
  EXPECT_FALSE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")), bytes.substr(100, 5000))
      << "the failed one is not kept";
}

}  // namespace
}  // namespace vantrel::tools
