// How long opening a recording spends pulling its telemetry: a 3-minute drive (1 fix a second,
// 10 G-sensor samples a second) written by the recorder simulator, loaded through the real
// splitter. The target is well under 50 ms, so the loading window never waits on telemetry.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "playback/stream_splitter.h"
#include "sim/recording_description.h"
#include "sim/recording_writer.h"
#include "telemetry/telemetry_loader.h"

namespace {

std::string recording_path;  // written once by main

void CountPackets(benchmark::State& state, const vantrel::TelemetryStore& store) {
  state.counters["fixes"] = static_cast<double>(store.gps_records().size());
  state.counters["samples"] = static_cast<double>(store.gsensor_records().size());
}

// What the loader thread does after the graph is built: the splitter is open already.
void BM_LoadTelemetry(benchmark::State& state) {
  vantrel::TelemetryStore store;
  for (auto _ : state) {
    state.PauseTiming();
    vantrel::StreamSplitter splitter;
    if (!splitter.Load(recording_path)) state.SkipWithError("the recording does not open");
    state.ResumeTiming();
    if (vantrel::LoadTelemetry(&splitter, store) != vantrel::TelemetryLoadResult::kComplete) {
      state.SkipWithError("the telemetry did not load to its end");
    }
  }
  CountPackets(state, store);
}
BENCHMARK(BM_LoadTelemetry)->Unit(benchmark::kMillisecond);

// The same with the splitter's open (header, index and packet tables) counted in.
void BM_OpenAndLoadTelemetry(benchmark::State& state) {
  vantrel::TelemetryStore store;
  for (auto _ : state) {
    vantrel::StreamSplitter splitter;
    if (!splitter.Load(recording_path) ||
        vantrel::LoadTelemetry(&splitter, store) != vantrel::TelemetryLoadResult::kComplete) {
      state.SkipWithError("the recording did not load");
    }
  }
  CountPackets(state, store);
}
BENCHMARK(BM_OpenAndLoadTelemetry)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  vantrel::sim::RecordingDescription drive;
  drive.seconds = 180;
  drive.front = {64, 36};  // only the telemetry matters here
  recording_path = (std::filesystem::temp_directory_path() /
                    ("vantrel-load-telemetry-" + std::to_string(getpid()) + ".avi"))
                       .string();
  std::string error;
  if (!vantrel::sim::WriteRecording(drive, recording_path, &error)) {
    std::fprintf(stderr, "cannot write the test recording: %s\n", error.c_str());
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove(recording_path);
  return 0;
}
