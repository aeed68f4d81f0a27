#include "telemetry/map/map_source.h"

#include <cstdlib>
#include <sstream>
#include <string_view>

namespace vantrel {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsLocalAddress(std::string_view address) {
  return StartsWith(address, "qrc:") || StartsWith(address, "file:");
}

std::optional<std::string> Setting(const std::string& key, const SettingLookup& option_file,
                                   const SettingLookup& environment) {
  for (const auto& [lookup, name] :
       {std::pair{&environment, "VANTREL_" + key}, std::pair{&option_file, key}}) {
    if (!*lookup) continue;
    if (auto value = (*lookup)(name); value && !value->empty()) return value;
  }
  return std::nullopt;
}

}  // namespace

MapSource MapSourceFrom(const SettingLookup& option_file, const SettingLookup& environment) {
  MapSource source;
  if (auto value = Setting(kMapPageKey, option_file, environment)) source.page_base = *value;
  if (auto value = Setting(kMapTilesKey, option_file, environment)) source.tile_url = *value;
  if (auto value = Setting(kMapAttributionKey, option_file, environment)) {
    source.attribution = *value;
  }
  return source;
}

MapSource MapSourceOf(const std::string& option_file_text) {
  return MapSourceFrom(
      [&option_file_text](const std::string& name) {
        return OptionFileValue(option_file_text, name);
      },
      [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        if (value == nullptr) return std::nullopt;
        return std::string(value);
      });
}

std::optional<std::string> OptionFileValue(const std::string& text, const std::string& key) {
  std::optional<std::string> found;
  std::istringstream lines(text);
  std::string line;
  const std::string prefix = key + "=";
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (StartsWith(line, prefix)) found = line.substr(prefix.size());
  }
  return found;
}

std::string MapPageUrl(const MapSource& source) {
  std::string url = source.page_base;
  if (url.empty() || url.back() != '/') url += '/';
  return url + kMapPageFile + "?" + kMapPageQuery;
}

bool MapWorksOffline(const MapSource& source) {
  return IsLocalAddress(source.page_base) && StartsWith(source.tile_url, "file:");
}

bool MapAvailable(bool web_view_runs, bool internet_connected, const MapSource& source) {
  return web_view_runs && (internet_connected || MapWorksOffline(source));
}

}  // namespace vantrel
