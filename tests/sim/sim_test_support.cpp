#include "sim_test_support.h"

#include <cstdlib>

namespace vantrel::sim::test {

uint32_t Le32(const std::string& bytes, size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[offset + i]);
  return value;
}

namespace {

// Reads chunks from begin to end; stops at a chunk that runs past the file.
std::vector<Chunk> ReadChunks(const std::string& file, uint64_t begin, uint64_t end) {
  std::vector<Chunk> chunks;
  uint64_t at = begin;
  while (at + 8 <= end && at + 8 <= file.size()) {
    Chunk chunk;
    chunk.id = file.substr(at, 4);
    chunk.offset = at;
    chunk.size = Le32(file, at + 4);
    const uint64_t available = file.size() - (at + 8);
    chunk.complete = chunk.size <= available;
    chunk.data = file.substr(at + 8, chunk.complete ? chunk.size : available);
    chunks.push_back(chunk);
    if (!chunk.complete) break;
    at += 8 + chunk.size + (chunk.size & 1);
  }
  return chunks;
}

}  // namespace

MovieWalk WalkMovie(const std::string& file) {
  MovieWalk walk;
  const uint64_t movie = 20 + uint64_t{Le32(file, 16)};
  if (movie + 12 > file.size() || file.compare(movie + 8, 4, "movi") != 0) return walk;
  walk.movie_list_size = Le32(file, movie + 4);
  const uint64_t end = walk.movie_list_size == 0 ? file.size() : movie + 8 + walk.movie_list_size;
  walk.chunks = ReadChunks(file, movie + 12, end);
  if (walk.movie_list_size != 0) walk.after = ReadChunks(file, end, file.size());
  return walk;
}

bool HasValidChecksum(const std::string& sentence) {
  const size_t star = sentence.find('*');
  if (star == std::string::npos || star + 3 > sentence.size()) return false;
  uint8_t sum = 0;
  for (size_t i = 0; i < star; ++i) sum ^= static_cast<uint8_t>(sentence[i]);
  return std::strtoul(sentence.substr(star + 1, 2).c_str(), nullptr, 16) == sum;
}

std::vector<std::string> Fields(const std::string& sentence) {
  std::vector<std::string> fields(1);
  for (char c : sentence.substr(0, sentence.find('*'))) {
    if (c == ',') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace vantrel::sim::test
