// What the printed report shows of the moment: the facts of the page layout and the channels'
// pictures, gathered from the open recording and the telemetry at its current position.
#pragma once

#include <optional>

#include "playback/channel_image.h"
#include "telemetry/telemetry_store.h"
#include "tools/local_time.h"
#include "tools/output/channel_pictures.h"
#include "tools/report_layout.h"

namespace vantrel {

struct ReportInputs {
  tools::ReportFacts facts;
  ChannelImage frame1;
  ChannelImage frame2;  // only with two channels
};

// position_ms: the playback position. The position and G-sensor look-ups give zeros when there
// is no record; a picture that cannot be had stays empty (its rectangle is left blank).
// facts.map_view stays false: only the viewer has a map view.
ReportInputs CollectReportInputs(const ChannelPictures& pictures, int position_ms,
                                 const TelemetryStore& telemetry, int model,
                                 const tools::LocalTime& now);

// The report's texts from the language library of `language`; none when it does not load.
std::optional<tools::ReportTexts> ReportTextsOf(int language);

}  // namespace vantrel
