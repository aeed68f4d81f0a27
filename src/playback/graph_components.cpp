#include "playback/graph_components.h"

#include "playback/graph_codes.h"

namespace vantrel {
namespace {

// Reported when the sound renderer is asked for on a machine without a sound device.
constexpr int32_t kNoSoundDevice = static_cast<int32_t>(0x88890004u);

bool Takes(FilterRole role, const MediaType& type) {
  switch (role) {
    case FilterRole::kVideoDecoder:
      return type.major == MajorType::kVideo && type.subtype == MediaSubtype::kH264;
    case FilterRole::kBrightness:
    case FilterRole::kColourConverter:
    case FilterRole::kVideoRenderer:
      return type.major == MajorType::kVideo && type.subtype == MediaSubtype::kOtherVideo;
    case FilterRole::kAacDecoder:
      return type.major == MajorType::kAudio && type.subtype == MediaSubtype::kAac;
    case FilterRole::kSoundRenderer:
      return type.major == MajorType::kAudio && type.subtype == MediaSubtype::kPcm;
    case FilterRole::kSplitter:
      return false;
  }
  return false;
}

}  // namespace

int32_t StandardGraphComponents::CreateGraph() { return kGraphOk; }

int32_t StandardGraphComponents::CreateSplitter(std::unique_ptr<SplitterFilter>* splitter) {
  *splitter = MakeRecordingSplitter();
  return kGraphOk;
}

int32_t StandardGraphComponents::CreateFilter(FilterRole role) {
  if (role == FilterRole::kSoundRenderer && !sound_device_) return kNoSoundDevice;
  return kGraphOk;
}

std::unique_ptr<AudioOutput> StandardGraphComponents::CreateAudioOutput() {
  return audio_output_ ? audio_output_() : nullptr;
}

int32_t StandardGraphComponents::ConnectPins(const GraphFilter&, const GraphPin& output,
                                             const GraphFilter& to, const GraphPin&) {
  return Takes(to.role, output.type) ? kGraphOk : kCannotConnect;
}

}  // namespace vantrel
