// Test helpers: small recordings built byte by byte in the recorder's layout, and a reader of a
// rebuilt file that checks its sizes add up.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::test {

struct FakeChunk {
  std::string id;  // "00dc", "01tx", ...
  std::string data;
};

// A header part: "RIFF", riff_size, "AVI " and an "hdrl" list whose streams have the given types
// ("vids", "auds", "txts"); the first stream has scale, rate and length.
std::string FakeHeaderPart(const std::vector<std::string>& types, uint32_t riff_size,
                           uint32_t scale, uint32_t rate, uint32_t length);

// A movie part: the "movi" list of the chunks, then (when indexed) an "idx1" of one entry each.
std::string FakeMoviePart(const std::vector<FakeChunk>& chunks, bool indexed);

// A video chunk holding one NAL unit of the type after a 4-byte start code.
FakeChunk VideoChunk(int nal_type, size_t size = 7, const char* id = "00dc");

struct ParsedChunk {
  std::string id;
  uint32_t size = 0;
  uint64_t offset = 0;  // of the header, from the "movi" identifier
};
struct IndexEntry {
  std::string id;
  uint32_t flags = 0, offset = 0, size = 0;
};
struct ParsedRecording {
  bool sizes_agree = false;  // RIFF, header list, movie list and index sizes match the content
  std::string header;        // the first 20 + header-list size bytes
  std::vector<ParsedChunk> chunks;
  std::vector<IndexEntry> index;
};
ParsedRecording ParseRepaired(const std::string& bytes);

uint32_t Le32At(const std::string& bytes, size_t offset);

}  // namespace vantrel::test
