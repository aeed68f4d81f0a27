// How the splitter reads a recording that lives inside a LyFS card: the card reader registers a
// factory that turns the splitter's card source (the open card's device and the file's entry
// value, as given to SetCardSource) and the recording's path into a byte source. Until one is
// registered, opening a card recording fails cleanly.
//
// Registration and look-up are thread-safe; a factory may be called from any thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "avi/byte_source.h"

namespace vantrel {

// The card source of an ordinary file.
inline constexpr intptr_t kFileSourceDevice = 0;
inline constexpr int32_t kFileSourceValue = -1;

using CardSourceFactory = std::function<std::unique_ptr<avi::ByteSource>(
    intptr_t device, int32_t value, const std::string& path)>;

// Replaces the factory; an empty function removes it.
void SetCardSourceFactory(CardSourceFactory factory);

// A byte source for the card file, or null when no factory is registered or it fails.
std::unique_ptr<avi::ByteSource> OpenCardSource(intptr_t device, int32_t value,
                                                const std::string& path);

}  // namespace vantrel
