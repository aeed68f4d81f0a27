// Where the map comes from: the base address of the page "ViewerMap.aspx" and the tile layer it
// draws. By default the page is the one bundled with the program and the tiles are
// OpenStreetMap's standard tiles with the attribution their usage policy asks for. The option
// file's MAP_PAGE, MAP_TILES and MAP_ATTRIBUTION keys, and the environment variables of the same
// names with a "VANTREL_" prefix (which win), name others.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace vantrel {

inline constexpr char kMapPageKey[] = "MAP_PAGE";
inline constexpr char kMapTilesKey[] = "MAP_TILES";
inline constexpr char kMapAttributionKey[] = "MAP_ATTRIBUTION";

// The bundled page's base, and the page with the query the viewer loads it with.
inline constexpr char kBundledMapBase[] = "qrc:/map/";
inline constexpr char kMapPageFile[] = "ViewerMap.aspx";
inline constexpr char kMapPageQuery[] = "Level=2&poi=show";

inline constexpr char kDefaultTileUrl[] = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";
inline constexpr char kDefaultTileAttribution[] =
    "&copy; <a href=\"https://www.openstreetmap.org/copyright\">OpenStreetMap</a> contributors";

struct MapSource {
  std::string page_base = kBundledMapBase;
  std::string tile_url = kDefaultTileUrl;
  std::string attribution = kDefaultTileAttribution;
};

// Looks a name up; none when it is not set.
using SettingLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The source from the option file's values and the environment (environment first). Empty
// values count as not set.
MapSource MapSourceFrom(const SettingLookup& option_file, const SettingLookup& environment);

// The source from an option file's text and this process's environment.
MapSource MapSourceOf(const std::string& option_file_text);

// The values of KEY=VALUE lines of an option file's text (CR LF or LF lines); the last line of a
// key wins.
std::optional<std::string> OptionFileValue(const std::string& text, const std::string& key);

// The address the view loads: the base, a "/" when it lacks one, the page and its query.
std::string MapPageUrl(const MapSource& source);

// True when neither the page nor its tiles need the network: the page is bundled or a local
// file and the tiles are local files.
bool MapWorksOffline(const MapSource& source);

// Whether the map can show for a recording with GPS records: the web view runs here, and the
// computer is connected or the map needs no connection.
bool MapAvailable(bool web_view_runs, bool internet_connected, const MapSource& source);

}  // namespace vantrel
