// Feeds arbitrary bytes to the recording rebuild as its two parts: the header part is as long as
// the header list the input's own byte 16 names (clipped to the input), the movie part is the
// rest, as the player splits a recording. Every flag and RIFF size combination must either fail
// with an empty output or give a file whose RIFF size is its size less 8. The rebuild through
// files, as the viewer and vantrel-cli run it (from two part files or from the recording itself),
// must write exactly the same bytes.
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "avi/byte_order.h"
#include "avi/byte_sink.h"
#include "avi/byte_source.h"
#include "tools/avi_repair.h"

namespace {

// Keeps only the RIFF header and the length: a crafted frame rate may ask for up to 4 GB of
// silence, which is a valid output but not one to hold in memory.
class CountingSink : public vantrel::avi::ByteSink {
 public:
  bool Append(const void* data, size_t size) override {
    const size_t keep = std::min<uint64_t>(size, size_ < 8 ? 8 - size_ : 0);
    start_.append(static_cast<const char*>(data), keep);
    size_ += size;
    return true;
  }
  bool WriteAt(uint64_t, const void*, size_t) override { return false; }
  uint64_t Size() const override { return size_; }
  const std::string& start() const { return start_; }

 private:
  std::string start_;
  uint64_t size_ = 0;
};

// A crafted frame rate may ask for gigabytes of silence: such rebuilds are only counted, not
// written to files.
constexpr uint64_t kLargestWritten = 8u << 20;

struct RepairFiles {
  std::string recording, header, movie, output;
};

const RepairFiles& Files() {
  static const RepairFiles files = [] {
    char name[] = "/tmp/vantrel-repair-fuzz-XXXXXX";
    const std::string folder = ::mkdtemp(name) ? name : "/tmp";
    return RepairFiles{folder + "/recording", folder + "/hdlr", folder + "/movi",
                       folder + "/out.avi"};
  }();
  return files;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A failed rebuild leaves no output (and an earlier file of its name as it was): each try starts
// without one, so a failure reads back as empty.
std::string Repaired(const std::string& output, bool rebuilt_now) {
  std::string bytes = rebuilt_now ? ReadFile(output) : std::string();
  if (!rebuilt_now && ::access(output.c_str(), F_OK) == 0) bytes = "<left behind>";
  ::unlink(output.c_str());
  return bytes;
}

// Every way through files gives the in-memory result (empty on failure).
void CheckFileRepairs(const std::string& bytes, size_t split, bool audio_less, uint32_t riff_size,
                      bool rebuilt) {
  using namespace vantrel;
  avi::MemoryByteSource header(bytes.substr(0, split));
  avi::MemoryByteSource movie(bytes.substr(split));
  avi::MemorySink expected;
  if (tools::RebuildAvi(header, movie, expected, audio_less, riff_size) != rebuilt) {
    __builtin_trap();
  }
  const RepairFiles& files = Files();
  WriteFile(files.recording, bytes);
  WriteFile(files.header, bytes.substr(0, split));
  WriteFile(files.movie, bytes.substr(split));
  // The ways the viewer and vantrel-cli take: part files, or the recording itself, with the
  // unchanged chunks written from a mapping (the read fallback writes the same bytes; its tests
  // show it).
  const bool from_parts =
      tools::AviRepair(files.header, files.movie, files.output, audio_less, riff_size);
  if (from_parts != rebuilt || Repaired(files.output, from_parts) != expected.bytes()) {
    __builtin_trap();
  }
  const bool from_recording =
      tools::AviRepairRecording(files.recording, split, files.output, audio_less, riff_size);
  if (from_recording != rebuilt || Repaired(files.output, from_recording) != expected.bytes()) {
    __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantrel;
  if (size < 20) return 0;
  const size_t split = static_cast<size_t>(
      std::min<uint64_t>(20 + static_cast<uint64_t>(avi::ReadLe32(data + 16)), size));
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const bool audio_less : {false, true}) {
    for (const uint32_t riff_size : {0u, avi::ReadLe32(data + 4) | 1u}) {
      avi::MemoryByteSource header(bytes.substr(0, split));
      avi::MemoryByteSource movie(bytes.substr(split));
      CountingSink output;
      const bool rebuilt = tools::RebuildAvi(header, movie, output, audio_less, riff_size);
      const std::string& out = output.start();
      if (!rebuilt && output.Size() != 0) __builtin_trap();
      if (rebuilt && (out.size() < 8 || avi::ReadLe32(reinterpret_cast<const uint8_t*>(out.data()) +
                                                      4) != output.Size() - 8)) {
        __builtin_trap();
      }
      if (output.Size() <= kLargestWritten) {
        CheckFileRepairs(bytes, split, audio_less, riff_size, rebuilt);
      }
    }
  }
  return 0;
}
