// Four-character codes as RIFF stores them: the four bytes in file order, read as one
// little-endian 32-bit value, so 'R' 'I' 'F' 'F' compares equal to FourCc("RIFF").
#pragma once

#include <cstdint>
#include <string>

namespace vantrel::avi {

using FourCcValue = uint32_t;

constexpr FourCcValue FourCc(const char (&text)[5]) {
  return static_cast<FourCcValue>(static_cast<uint8_t>(text[0])) |
         static_cast<FourCcValue>(static_cast<uint8_t>(text[1])) << 8 |
         static_cast<FourCcValue>(static_cast<uint8_t>(text[2])) << 16 |
         static_cast<FourCcValue>(static_cast<uint8_t>(text[3])) << 24;
}

// The code's four characters in file order; NUL bytes are left out, so a handler of four NULs
// reads as an empty text.
std::string FourCcText(FourCcValue value);

inline constexpr FourCcValue kRiff = FourCc("RIFF");
inline constexpr FourCcValue kList = FourCc("LIST");
inline constexpr FourCcValue kAviForm = FourCc("AVI ");
inline constexpr FourCcValue kHeaderList = FourCc("hdrl");
inline constexpr FourCcValue kMainHeader = FourCc("avih");
inline constexpr FourCcValue kStreamList = FourCc("strl");
inline constexpr FourCcValue kStreamHeader = FourCc("strh");
inline constexpr FourCcValue kStreamFormat = FourCc("strf");
inline constexpr FourCcValue kMovieList = FourCc("movi");
inline constexpr FourCcValue kIndex = FourCc("idx1");
inline constexpr FourCcValue kJunk = FourCc("JUNK");
inline constexpr FourCcValue kRecordList = FourCc("rec ");

inline constexpr FourCcValue kVideoStream = FourCc("vids");
inline constexpr FourCcValue kAudioStream = FourCc("auds");
inline constexpr FourCcValue kTextStream = FourCc("txts");

}  // namespace vantrel::avi
