// Helpers of the simulator's tests: a plain walk over a recording's RIFF structure that trusts
// nothing the file says, and the fields of a GPS sentence.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::sim::test {

uint32_t Le32(const std::string& bytes, size_t offset);

struct Chunk {
  std::string id;
  uint64_t offset = 0;  // of the chunk header in the file
  uint32_t size = 0;    // as declared
  bool complete = false;
  std::string data;  // the bytes present, at most size
};

// The chunks of the movie list found right after the header list (20 + header list size), up to
// the declared movie list end or, when that is 0, the end of the file; and what follows the list.
struct MovieWalk {
  uint32_t movie_list_size = 0;
  std::vector<Chunk> chunks;
  std::vector<Chunk> after;  // top-level chunks after the movie list ("idx1")
};
MovieWalk WalkMovie(const std::string& file);

// Whether an RMC packet (NUL-terminated, "G..." up to "*hh") carries the right checksum.
bool HasValidChecksum(const std::string& sentence);
// The comma-separated fields of a sentence, the checksum cut off.
std::vector<std::string> Fields(const std::string& sentence);

}  // namespace vantrel::sim::test
