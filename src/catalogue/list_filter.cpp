#include "catalogue/list_filter.h"

namespace vantrel {

namespace {

struct FilterCommand {
  ListFilter filter;
  int button;
  int menu;
};

constexpr std::array<FilterCommand, 4> kFilterCommands = {{
    {ListFilter::kAll, 1021, 32823},
    {ListFilter::kInfinite, 1023, 32824},
    {ListFilter::kEvent, 1022, 32825},
    {ListFilter::kParking, 1024, 32826},
}};

int Fill(ListFilter filter, const FilterTargets& targets, const TextLookup& texts) {
  switch (filter) {
    case ListFilter::kInfinite:
      return targets.catalogue.FillByKind(targets.list, RecordingKind::kInfinite, texts);
    case ListFilter::kEvent:
      return targets.catalogue.FillByKind(targets.list, RecordingKind::kEvent, texts);
    case ListFilter::kParking:
      return targets.catalogue.FillByKind(targets.list, RecordingKind::kParking, texts);
    case ListFilter::kAll:
      break;
  }
  return targets.catalogue.FillAll(targets.list, texts);
}

// The playing recording's row becomes selected and marked; without one, row 0.
void FindCurrentRow(std::string_view current_recording, const FilterTargets& targets) {
  ListSelection& selection = targets.selection;
  const int row = RowOfName(targets.list, current_recording);
  if (row >= 0) {
    selection.SelectRow(row);
    selection.ScrollToRow(row);
    selection.RedrawList();
    MoveMark(selection, row);
    return;
  }
  const bool has_rows = targets.list.RowCount() > 0;
  if (has_rows) {
    selection.SelectRow(0);
    selection.ScrollToRow(0);
  }
  if (selection.MarkedRow() != 0) MoveMark(selection, has_rows ? 0 : -1);
}

}  // namespace

std::optional<ListFilter> FilterOfCommand(int command_id) {
  for (const FilterCommand& command : kFilterCommands) {
    if (command.button == command_id || command.menu == command_id) return command.filter;
  }
  return std::nullopt;
}

FilterEnableFlags EnableFlagsFrom(const KindPresence& presence) {
  return {presence.any, presence.infinite, presence.event, presence.parking};
}

bool RunFilterCommand(ListFilter filter, const FilterCommandState& state,
                      const FilterTargets& targets, const TextLookup& texts) {
  if (state.busy || !state.enabled[static_cast<size_t>(filter)]) return false;
  Fill(filter, targets, texts);
  targets.buttons.ShowPressed(filter);
  if (!state.current_recording.empty()) FindCurrentRow(state.current_recording, targets);
  return true;
}

}  // namespace vantrel
