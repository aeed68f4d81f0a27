#include "sim/file_digest.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/sha.h>
}

namespace vantrel::sim {

std::string Sha256OfFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                             &std::fclose);
  const std::unique_ptr<AVSHA, void (*)(void*)> sha(av_sha_alloc(), &av_free);
  if (!file || !sha || av_sha_init(sha.get(), 256) != 0) return "";
  std::vector<uint8_t> chunk(1 << 20);
  size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), file.get())) > 0) {
    av_sha_update(sha.get(), chunk.data(), got);
  }
  if (std::ferror(file.get())) return "";
  uint8_t digest[32];
  av_sha_final(sha.get(), digest);
  static const char kHex[] = "0123456789abcdef";
  std::string text;
  for (const uint8_t byte : digest) {
    text += kHex[byte >> 4];
    text += kHex[byte & 15];
  }
  return text;
}

}  // namespace vantrel::sim
