// GPS positions are written as degrees and minutes packed into one number (3730.5 is 37 degrees
// 30.5 minutes); everything shown or exported uses decimal degrees.
#pragma once

namespace vantrel {

// 3730.5 gives 37.508333..., -12700.0 gives -127.0.
double DegreesMinutesToDegrees(double degrees_minutes);

}  // namespace vantrel
