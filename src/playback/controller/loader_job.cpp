#include "playback/controller/loader_job.h"

#include <algorithm>

#include "playback/card_recording.h"
#include "playback/card_source.h"
#include "playback/splitter_control.h"
#include "telemetry/telemetry_loader.h"

namespace vantrel {
namespace {

// Decoder parameters the loader sets: the rear mirror (flip and its switch) and the brightness
// offset (its switch and value).
constexpr int kMirrorFlipParameter = 1101;
constexpr int kMirrorSwitchParameter = 1113;
constexpr int kBrightnessSwitchParameter = 205;
constexpr int kBrightnessOffsetParameter = 202;

// The graph's telemetry as the telemetry pull reads it, ending as soon as the job is given up.
class JobTelemetry : public SplitterControl {
 public:
  JobTelemetry(MediaGraph& graph, const LoaderJob& job) : graph_(graph), job_(job) {}

  int FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) override {
    if (job_.cancelled()) return kNoMoreTelemetryPackets;
    return graph_.FetchTelemetryPacket(buffer, size, time_stamp);
  }
  // The pull only fetches packets; the graph's build already set the splitter up.
  int SetParseMode(int32_t) override { return 0; }
  int SetCardSource(intptr_t, int32_t) override { return 0; }

 private:
  MediaGraph& graph_;
  const LoaderJob& job_;
};

bool StoppedOrClosed(PlaybackState state) {
  return state == PlaybackState::kStopped || state == PlaybackState::kClosed;
}

enum class OpenResult { kNotTried, kFailed, kBuilt };

OpenResult Opened(bool built) { return built ? OpenResult::kBuilt : OpenResult::kFailed; }

// Opens the request's recording in graph. A LyFS card recording that must be copied but cannot
// be sets the copy message.
OpenResult OpenEntry(const LoadRequest& request, const LoaderJob& job, MediaGraph& graph,
                     LoadOutcome& outcome) {
  if (!request.entry) return OpenResult::kNotTried;
  const RecordingEntry& entry = *request.entry;
  switch (request.source_kind) {
    case SourceKind::kFatCard:
    case SourceKind::kComputerFolder:
      return Opened(graph.OpenRecording(entry.path, kFileSourceDevice, kFileSourceValue));
    case SourceKind::kLyfsCard: {
      CardPlayback card;
      {
        std::lock_guard hold(CardPreparationLock());
        if (job.cancelled()) return OpenResult::kNotTried;
        card = PrepareCardRecording(entry, request.card_device, request.temp_folder,
                                    [&job] { return job.cancelled(); });
      }
      if (card.kind == CardPlayback::Kind::kCancelled) return OpenResult::kNotTried;
      if (card.kind == CardPlayback::Kind::kPartsFailed) {
        outcome.message = kCopyNotWritableText;
        return OpenResult::kNotTried;
      }
      return Opened(graph.OpenRecording(card.path, card.device, card.value));
    }
    case SourceKind::kNone:
      break;
  }
  return OpenResult::kNotTried;
}

}  // namespace

std::timed_mutex& CardPreparationLock() {
  static std::timed_mutex lock;
  return lock;
}

void LoaderJob::Cancel() {
  {
    std::lock_guard hold(lock_);
    cancelled_ = true;
  }
  changed_.notify_all();
}

bool LoaderJob::cancelled() const {
  std::lock_guard hold(lock_);
  return cancelled_;
}

bool LoaderJob::WaitUnlessCancelled(std::chrono::milliseconds duration) {
  std::unique_lock hold(lock_);
  changed_.wait_for(hold, duration, [this] { return cancelled_; });
  return !cancelled_;
}

void LoaderJob::MarkDone() {
  {
    std::lock_guard hold(lock_);
    done_ = true;
  }
  changed_.notify_all();
}

bool LoaderJob::done() const {
  std::lock_guard hold(lock_);
  return done_;
}

bool LoaderJob::WaitDone(std::chrono::milliseconds timeout) {
  std::unique_lock hold(lock_);
  return changed_.wait_for(hold, timeout, [this] { return done_; });
}

void LoaderJob::SetOutcome(LoadOutcome outcome) {
  std::lock_guard hold(lock_);
  outcome_ = std::move(outcome);
}

LoadOutcome LoaderJob::TakeOutcome() {
  std::lock_guard hold(lock_);
  return std::move(outcome_);
}

LoadOutcome OpenAndPlay(LoaderJob& job, const LoaderEnvironment& environment) {
  const LoadRequest& request = job.request();
  LoadOutcome outcome;
  std::unique_ptr<MediaGraph> graph = environment.make_graph ? environment.make_graph() : nullptr;
  if (graph) graph->set_splitter_mode(0);
  if (!job.WaitUnlessCancelled(environment.settle)) return {};

  const OpenResult opened =
      graph ? OpenEntry(request, job, *graph, outcome) : OpenResult::kNotTried;
  if (job.cancelled()) return {};
  if (opened != OpenResult::kBuilt) {
    if (!outcome.message && environment.language_library_loads &&
        environment.language_library_loads()) {
      outcome.message = kGraphNotBuiltText;
    }
    // A failed build closed the recording before it: the window then shows no recording. When
    // nothing was built, the graph of the recording before stays as it is.
    if (opened == OpenResult::kFailed) outcome.graph = std::move(graph);
    return outcome;
  }

  graph->Run();
  if (request.rear_mirror && !StoppedOrClosed(graph->state()) && graph->VideoPinCount() >= 2) {
    graph->SetDecoderParameter(2, kMirrorFlipParameter, 1);
    graph->SetDecoderParameter(2, kMirrorSwitchParameter, 1);
  }
  graph->SetVolumeLevel(std::clamp(request.volume_level, 0, 99));
  const bool was_running = graph->state() == PlaybackState::kRunning;
  graph->Pause();
  graph->SetPlaybackRate(request.rate);
  if (was_running) graph->Run();
  for (int channel = 1; channel <= 2; ++channel) {
    graph->SetDecoderParameter(channel, kBrightnessSwitchParameter, 1);
    graph->SetDecoderParameter(channel, kBrightnessOffsetParameter, request.brightness_offset);
  }

  auto telemetry = std::make_unique<TelemetryStore>();
  JobTelemetry source(*graph, job);
  LoadTelemetry(&source, *telemetry);
  if (job.cancelled()) return {};

  outcome.played = true;
  outcome.graph = std::move(graph);
  outcome.telemetry = std::move(telemetry);
  return outcome;
}

}  // namespace vantrel
