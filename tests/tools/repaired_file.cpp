#include "repaired_file.h"

#include "avi/byte_order.h"

namespace vantrel::test {

namespace {

void Put(std::string& out, const std::string& four) { out += four.substr(0, 4); }
void Put32(std::string& out, uint32_t value) { avi::AppendLe32(out, value); }

std::string StreamList(const std::string& type, uint32_t scale, uint32_t rate, uint32_t length) {
  std::string strh;
  Put(strh, type);
  strh.append(16, '\0');  // handler, flags, priority, language, initial frames
  Put32(strh, scale);
  Put32(strh, rate);
  Put32(strh, 0);
  Put32(strh, length);
  strh.append(56 - strh.size(), '\0');
  std::string list = "strlstrh";
  Put32(list, 56);
  list += strh + "strf";
  Put32(list, 40);
  list.append(40, '\x11');
  std::string out = "LIST";
  Put32(out, static_cast<uint32_t>(list.size()));
  return out + list;
}

}  // namespace

uint32_t Le32At(const std::string& bytes, size_t offset) {
  if (offset + 4 > bytes.size()) return 0xFFFFFFFF;
  return avi::ReadLe32(reinterpret_cast<const uint8_t*>(bytes.data()) + offset);
}

std::string FakeHeaderPart(const std::vector<std::string>& types, uint32_t riff_size,
                           uint32_t scale, uint32_t rate, uint32_t length) {
  std::string avih(56, '\0');
  avih.replace(16, 4, std::string("\x07\x00\x00\x00", 4));  // total frames, rewritten on repair
  avih[24] = static_cast<char>(types.size());
  std::string list = "hdrlavih";
  Put32(list, 56);
  list += avih;
  for (const std::string& type : types) list += StreamList(type, scale, rate, length);
  std::string out = "RIFF";
  Put32(out, riff_size);
  out += "AVI LIST";
  Put32(out, static_cast<uint32_t>(list.size()));
  return out + list;
}

std::string FakeMoviePart(const std::vector<FakeChunk>& chunks, bool indexed) {
  std::string body = "movi", index;
  for (const FakeChunk& chunk : chunks) {
    Put(index, chunk.id);
    Put32(index, 0x10);
    Put32(index, static_cast<uint32_t>(body.size()));
    Put32(index, static_cast<uint32_t>(chunk.data.size()));
    Put(body, chunk.id);
    Put32(body, static_cast<uint32_t>(chunk.data.size()));
    body += chunk.data;
    if (chunk.data.size() % 2 != 0) body.push_back('\0');
  }
  std::string out = "LIST";
  Put32(out, static_cast<uint32_t>(body.size()));
  out += body;
  if (indexed) {
    out += "idx1";
    Put32(out, static_cast<uint32_t>(index.size()));
    out += index;
  }
  return out;
}

FakeChunk VideoChunk(int nal_type, size_t size, const char* id) {
  std::string data(size, '\x5A');
  data.replace(0, 4, std::string("\0\0\0\1", 4));
  data[4] = static_cast<char>(0x60 | nal_type);
  return {id, data};
}

ParsedRecording ParseRepaired(const std::string& bytes) {
  ParsedRecording parsed;
  const uint64_t movie = 20 + static_cast<uint64_t>(Le32At(bytes, 16));
  if (bytes.size() < movie + 12 || bytes.compare(movie, 4, "LIST") != 0 ||
      bytes.compare(movie + 8, 4, "movi") != 0) {
    return parsed;
  }
  parsed.header = bytes.substr(0, movie);
  const uint64_t movie_end = movie + 8 + Le32At(bytes, movie + 4);
  uint64_t at = movie + 12;
  while (at + 8 <= movie_end) {
    const uint32_t size = Le32At(bytes, at + 4);
    parsed.chunks.push_back({bytes.substr(at, 4), size, at - movie - 8});
    at += 8 + size + (size & 1);
  }
  const bool movie_fits =
      at == movie_end && movie_end + 8 <= bytes.size() && bytes.compare(movie_end, 4, "idx1") == 0;
  if (!movie_fits) return parsed;
  const uint64_t index_size = Le32At(bytes, movie_end + 4);
  for (uint64_t e = movie_end + 8; e + 16 <= movie_end + 8 + index_size && e + 16 <= bytes.size();
       e += 16) {
    parsed.index.push_back(
        {bytes.substr(e, 4), Le32At(bytes, e + 4), Le32At(bytes, e + 8), Le32At(bytes, e + 12)});
  }
  parsed.sizes_agree =
      Le32At(bytes, 4) == bytes.size() - 8 && movie_end + 8 + index_size == bytes.size();
  return parsed;
}

}  // namespace vantrel::test
