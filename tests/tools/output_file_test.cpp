#include "tools/output_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "temp_dir.h"

namespace vantrel::tools {
namespace {

// Bytes that differ from page to page, so a range taken from the wrong place shows.
std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
  return bytes;
}

// Ranges whose pages line up with the output's go through the kernel, the others through the
// buffer; either way the file holds the bytes in the order they were appended.
TEST(OutputFile, RangesAndBytesLandInOrder) {
  test::TempDir dir;
  const std::string source = Pattern(3 * 1024 * 1024 + 777);
  test::WriteFile(dir.File("source"), source);
  const int from = ::open(dir.File("source").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(from, 0);
  OutputFile out(dir.File("out"));
  ASSERT_TRUE(out.is_open());
  std::string expected;
  auto range = [&](uint64_t offset, uint64_t size) {
    expected += source.substr(offset, size);
    return out.AppendRange(from, offset, size, 100000);
  };
  EXPECT_TRUE(out.Append("head", 4));
  expected += "head";
  EXPECT_TRUE(range(4, 1024 * 1024));     // lined up with the output: in the kernel
  EXPECT_TRUE(range(12345, 600 * 1024));  // not lined up: through the buffer
  EXPECT_TRUE(range(0, 10));              // small
  EXPECT_TRUE(out.Append(std::string(2000000, 'x').data(), 2000000));  // larger than the buffer
  expected += std::string(2000000, 'x');
  EXPECT_TRUE(range(expected.size() % 4096, 512 * 1024));
  EXPECT_FALSE(out.AppendRange(from, source.size() - 10, 20, 100000)) << "the source ends first";
  ::close(from);
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")).substr(0, expected.size()), expected);
}

TEST(OutputFile, DiscardLeavesAnEmptyFile) {
  test::TempDir dir;
  OutputFile out(dir.File("out"));
  EXPECT_TRUE(out.Append(std::string(3000000, 'y').data(), 3000000));
  EXPECT_TRUE(out.Append("tail", 4));
  out.Discard();
  EXPECT_TRUE(out.Close());
  EXPECT_EQ(test::ReadFile(dir.File("out")), "");
  EXPECT_FALSE(OutputFile(dir.File("missing/out")).is_open());
}

}  // namespace
}  // namespace vantrel::tools
