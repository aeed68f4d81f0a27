// The options that say which recordings a simulated card holds (--rec N ... --audio MODE), read
// into a CardDescription. Shared by the commands that write whole cards.
#pragma once

#include <set>
#include <string>

#include "arguments.h"
#include "sim/card_writer.h"

namespace vantrel::sim::tool {

// The options, as described in the card command's help.
extern const std::set<std::string> kCardMixValued;

// Applies the card-mix options present in arguments; false with *error for a bad value.
bool ApplyCardMixOptions(const cli::Arguments& arguments, CardDescription* card,
                         std::string* error);

}  // namespace vantrel::sim::tool
