// The options every command that makes recordings understands (time, picture, encoder, drive and
// seed), and strict readers for option values: a value that does not read is an error, never a
// silent default.
#pragma once

#include <set>
#include <string>

#include "arguments.h"
#include "commands.h"
#include "sim/recording_description.h"

namespace vantrel::sim::tool {

extern const std::set<std::string> kCommonValued;
extern const std::set<std::string> kCommonFlags;

// Applies the common options present in arguments; false with *error for a bad value.
bool ApplyCommonOptions(const cli::Arguments& arguments, RecordingDescription* description,
                        std::string* error);

// The first "--name" in words that is neither valued nor a flag; empty when there is none.
std::string UnknownOption(const Words& words, const std::set<std::string>& valued,
                          const std::set<std::string>& flags);

// The union of two option sets.
std::set<std::string> Join(std::set<std::string> a, const std::set<std::string>& b);

}  // namespace vantrel::sim::tool
