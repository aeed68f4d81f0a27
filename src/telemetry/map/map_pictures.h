// The pictures the map block shows instead of the map, by language: one for a recording without
// GPS data and one for a computer without a connection.
#pragma once

namespace vantrel {

// The PNG id for a LanguageIndex; 0 (no picture) outside 0..3.
int NoDataPictureId(int language_index);
int NotConnectedPictureId(int language_index);

}  // namespace vantrel
