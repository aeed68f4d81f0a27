// The four filters of the recording list (All, Infinite, Event, Parking): which commands run them
// and what running one does to the list, its selection and mark, and the filter buttons.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "catalogue/kind_text.h"
#include "catalogue/list_selection.h"
#include "catalogue/recording_catalogue.h"
#include "catalogue/recording_list.h"

namespace vantrel {

enum class ListFilter { kAll = 0, kInfinite = 1, kEvent = 2, kParking = 3 };

// The filter a button (1021 All, 1023 Infinite, 1022 Event, 1024 Parking) or menu command
// (32823 All, 32824 Infinite, 32825 Event, 32826 Parking) runs; none for any other id.
std::optional<ListFilter> FilterOfCommand(int command_id);

// Whether each filter may run, indexed by ListFilter. Copied from the kind presence when a load
// completes: any recording enables All, and each kind its own filter.
using FilterEnableFlags = std::array<bool, 4>;
FilterEnableFlags EnableFlagsFrom(const KindPresence& presence);

// The four filter buttons of the main window.
class FilterButtons {
 public:
  virtual ~FilterButtons() = default;
  // Shows this filter's button pressed and the other three released, and redraws all four.
  virtual void ShowPressed(ListFilter pressed) = 0;
};

// What the main window knows when a filter command arrives.
struct FilterCommandState {
  bool busy = false;  // a recording is being opened
  FilterEnableFlags enabled{};
  std::string_view current_recording;  // name of the playing recording; empty when none
};

struct FilterTargets {
  RecordingCatalogue& catalogue;
  RecordingList& list;
  ListSelection& selection;
  FilterButtons& buttons;
};

// Refills the list with the filter's recordings, presses its button and finds the playing
// recording again in the new rows (else row 0). Playback is not touched. Does nothing and returns
// false while busy or when the filter is not enabled.
bool RunFilterCommand(ListFilter filter, const FilterCommandState& state,
                      const FilterTargets& targets, const TextLookup& texts);

}  // namespace vantrel
