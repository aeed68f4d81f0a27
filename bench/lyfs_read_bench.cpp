// Reading a 200 MB recording through the LyFS library against `cat` of the same card image, in
// one run: the library side opens the card, opens the file and reads it with File_Read in
// 262144-byte blocks, as the viewer's saved copy does; the other side runs `cat IMAGE >
// /dev/null`. Google Benchmark repeats each, so both are measured with a warm page cache.
// Run: build/bin/lyfs_read_bench [--benchmark_repetitions=3]
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "device/lyfs_partition_format.h"
#include "lyfs/file_access.h"
#include "lyfs/lyfs.h"

namespace {

constexpr size_t kFileBytes = 200000000;
constexpr int kBlock = 262144;
constexpr char kFileName[] = "REC_20140101_120000.avi";

std::string g_image;

// A 512 MiB image with every byte stored (no holes, so cat reads what the library reads),
// formatted as a LyFS card, holding one 200 MB recording written through the library.
bool MakeCard(const std::string& folder) {
  g_image = folder + "/card.img";
  const std::string zeros = "head -c 512M /dev/zero > '" + g_image + "'";
  if (std::system(zeros.c_str()) != 0) return false;
  if (vantrel::device::LyfsPartitionFormat(g_image, "KT410A", 100) != 1000) return false;
  unsigned char block[LYFS_DEVICE_BLOCK_SIZE] = {};
  if (QX_LyFS_Device_Open(g_image.c_str(), LYFS_OPEN_READ_WRITE, block) != LYFS_OK) return false;
  const int handle = vantrel::lyfs::CreateFile(block, "INFINITE", kFileName);
  std::vector<unsigned char> bytes(1 << 20);
  uint32_t state = 1;
  bool written = handle > 0;
  for (size_t done = 0; written && done < kFileBytes; done += bytes.size()) {
    for (auto& byte : bytes)
      byte = static_cast<unsigned char>((state = state * 1103515245u + 12345u) >> 24);
    const size_t count = std::min(bytes.size(), kFileBytes - done);
    written = vantrel::lyfs::AppendFile(block, handle, bytes.data(), count) == LYFS_OK;
  }
  written = QX_LyFS_File_Close(block, handle) == LYFS_OK && written;
  return QX_LyFS_Device_Close(block) == LYFS_OK && written;
}

void LyfsFileRead(benchmark::State& state) {
  std::vector<char> buffer(kBlock);
  for (auto _ : state) {
    unsigned char block[LYFS_DEVICE_BLOCK_SIZE] = {};
    QX_LyFS_Device_Open(g_image.c_str(), LYFS_OPEN_READ_WRITE, block);
    const int handle = QX_LyFS_File_Open(block, kFileName, "r", 0, 0, 0);
    size_t total = 0;
    int got = 0;
    while ((got = QX_LyFS_File_Read(block, buffer.data(), kBlock, handle)) > 0) total += got;
    QX_LyFS_File_Close(block, handle);
    QX_LyFS_Device_Close(block);
    if (total != kFileBytes) state.SkipWithError("short read");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kFileBytes));
}

void CatImage(benchmark::State& state) {
  const std::string command = "cat '" + g_image + "' > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("cat failed");
  }
  state.SetBytesProcessed(
      static_cast<int64_t>(state.iterations() * std::filesystem::file_size(g_image)));
}

BENCHMARK(LyfsFileRead)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(CatImage)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  char folder[] = "/tmp/lyfs-read-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 1;
  QX_LyFS_Start();
  const bool made = MakeCard(folder);
  if (made) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
  } else {
    std::fputs("lyfs_read_bench: could not make the card image\n", stderr);
  }
  QX_LyFS_Stop();
  std::filesystem::remove_all(folder);
  return made ? 0 : 1;
}
