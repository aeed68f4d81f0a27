#include "tools/output/report_inputs.h"

#include "app/language.h"

namespace vantrel {
namespace {

// A text every language library holds: when it can be read, the library loads.
constexpr uint32_t kProbeText = 200;

}  // namespace

ReportInputs CollectReportInputs(const ChannelPictures& pictures, int position_ms,
                                 const TelemetryStore& telemetry, int model,
                                 const tools::LocalTime& now) {
  ReportInputs inputs;
  tools::ReportFacts& facts = inputs.facts;
  facts.model = model;
  facts.now = now;
  facts.channel_count = pictures.VideoPinCount() >= 2 ? 2 : 1;
  if (!CapturePicture(pictures, 0, &inputs.frame1)) inputs.frame1 = {};
  if (facts.channel_count == 2 && !CapturePicture(pictures, 1, &inputs.frame2)) {
    inputs.frame2 = {};
  }
  // A negative position wraps to a time no record has, as the look-ups take it.
  const auto time = static_cast<uint32_t>(position_ms);
  const PositionReading position = telemetry.PositionAt(time);
  facts.latitude = position.latitude;
  facts.longitude = position.longitude;
  const GsensorReading gsensor = telemetry.GsensorAt(time);
  facts.x = gsensor.x;
  facts.y = gsensor.y;
  facts.z = gsensor.z;
  return inputs;
}

std::optional<tools::ReportTexts> ReportTextsOf(int language) {
  if (!LoadLanguageString(language, kProbeText)) return std::nullopt;
  return [language](uint32_t id) { return LoadLanguageString(language, id).value_or(""); };
}

}  // namespace vantrel
