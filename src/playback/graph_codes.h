// Result codes of the media graph's calls, with the values the player's callers compare against.
// Failure codes are negative 32-bit values; 0 is plain success.
#pragma once

#include <cstdint>

namespace vantrel {

inline constexpr int32_t kGraphOk = 0;
// Build result when a step fails without a code of its own.
inline constexpr int32_t kBuildFailed = 1;
// Run, Pause and Stop on a player that was never configured; also a filter that is missing.
inline constexpr int32_t kNotConfigured = -1;
inline constexpr int32_t kWrongState = static_cast<int32_t>(0x80040227u);
inline constexpr int32_t kCannotConnect = static_cast<int32_t>(0x80040217u);
inline constexpr int32_t kFail = static_cast<int32_t>(0x80004005u);
inline constexpr int32_t kNullPointer = static_cast<int32_t>(0x80004003u);
inline constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057u);

}  // namespace vantrel
