// One opening of a recording on a loader thread. The user-interface thread fills a LoadRequest
// (everything the loader needs, copied, so it never reads the list or the catalogue); the loader
// builds a media graph and a telemetry store of its own into the job's outcome, and the
// controller installs them only while the job is still its current one. A job given up is
// cancelled: its waits end at once, its telemetry pull stops, and what it built is released.
//
// Threads: the request is written before the thread starts and only read after; cancellation and
// the done flag may be used from any thread; the outcome is handed over under the job's lock.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "catalogue/recording_entry.h"
#include "catalogue/source_record.h"
#include "playback/media_graph.h"
#include "telemetry/telemetry_store.h"

namespace vantrel {

inline constexpr char kGraphNotBuiltText[] = "동영상을 재생 할 수 없습니다.(2)";
inline constexpr char kCopyNotWritableText[] = "손상된 파일을 복구할 수 없습니다.";

struct LoadRequest {
  int row = -1;
  // The row's path column; empty when it holds fewer than four characters (nothing to open).
  std::string path;
  std::string name;  // the row's name column
  SourceKind source_kind = SourceKind::kNone;
  std::optional<RecordingEntry> entry;  // none when the row leads to no recording
  intptr_t card_device = 0;             // the open LyFS card as the splitter names it
  std::string temp_folder;
  // Applied to the new graph: volume (0 when muted), displayed rate, brightness offset.
  int volume_level = 50;
  float rate = 1.0f;
  int brightness_offset = 0;
  bool rear_mirror = false;
};

struct LoadOutcome {
  bool played = false;
  // A text for the user when the open failed and the user is to be told.
  std::optional<std::string> message;
  // The graph the open built (also a failed one, which has no player), and the telemetry.
  std::unique_ptr<MediaGraph> graph;
  std::unique_ptr<TelemetryStore> telemetry;
};

// A media graph with the window's video surfaces attached and the viewer's build options set.
// Called on loader threads; it must not touch anything the user-interface thread uses.
using GraphFactory = std::function<std::unique_ptr<MediaGraph>()>;

// What a loader needs besides its request. Everything here outlives the loader threads.
struct LoaderEnvironment {
  GraphFactory make_graph;
  // Whether the language library can be loaded: the unplayable-recording message is shown only
  // then.
  std::function<bool()> language_library_loads;
  std::chrono::milliseconds settle{500};
};

class LoaderJob {
 public:
  explicit LoaderJob(LoadRequest request) : request_(std::move(request)) {}
  LoaderJob(const LoaderJob&) = delete;
  LoaderJob& operator=(const LoaderJob&) = delete;

  const LoadRequest& request() const { return request_; }

  void Cancel();
  bool cancelled() const;
  // Waits the duration; false when the job was cancelled before or during the wait.
  bool WaitUnlessCancelled(std::chrono::milliseconds duration);

  void MarkDone();
  bool done() const;
  // True when the job is done within the time.
  bool WaitDone(std::chrono::milliseconds timeout);

  void SetOutcome(LoadOutcome outcome);
  LoadOutcome TakeOutcome();

 private:
  const LoadRequest request_;
  mutable std::mutex lock_;
  std::condition_variable changed_;
  bool cancelled_ = false;
  bool done_ = false;
  LoadOutcome outcome_;
};

// Held by a loader while it prepares a card recording in the temp folder (one at a time: the part
// files have fixed names), and by whoever empties that folder, so that a given-up loader's last
// block never lands in a folder that was just emptied.
std::timed_mutex& CardPreparationLock();

// The loader's part of opening a recording: a settle pause, the graph built for the source kind
// (a LyFS card recording through its prepared copy when it needs one), run, with the rear mirror,
// volume, rate and brightness of the request, and the recording's telemetry pulled into a store
// of its own. Stops early, releasing what it built, once the job is cancelled.
LoadOutcome OpenAndPlay(LoaderJob& job, const LoaderEnvironment& environment);

}  // namespace vantrel
