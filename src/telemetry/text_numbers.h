// Numbers read from telemetry text the way the C library's atoi and atof read them: leading
// blanks, a sign, then as much of a number as there is; 0 when there is none. Unlike atof the
// decimal point is always '.', whatever locale the process runs in.
#pragma once

#include <string_view>

namespace vantrel {

int LeadingInteger(std::string_view text);
double LeadingDouble(std::string_view text);

}  // namespace vantrel
