#include "playback/controller/loader_threads.h"

#include <algorithm>

namespace vantrel {

LoaderThreads::~LoaderThreads() {
  if (has_current()) {
    current_.job->Cancel();
    given_up_.push_back(std::move(current_));
  }
  for (Loader& loader : given_up_) loader.job->Cancel();
  for (Loader& loader : given_up_) loader.thread.join();
}

void LoaderThreads::Start(std::shared_ptr<LoaderJob> job, std::function<void()> body) {
  JoinEnded();
  current_.job = job;
  current_.thread = std::thread([job = std::move(job), body = std::move(body)] {
    body();
    job->MarkDone();
  });
}

void LoaderThreads::ReleaseCurrent(std::chrono::milliseconds grace) {
  if (!has_current()) return;
  if (current_.job->WaitDone(grace)) {
    current_.thread.join();
  } else {
    current_.job->Cancel();
    given_up_.push_back(std::move(current_));
  }
  current_ = Loader{};
  JoinEnded();
}

void LoaderThreads::JoinEnded() {
  auto ended = std::stable_partition(given_up_.begin(), given_up_.end(),
                                     [](const Loader& loader) { return !loader.job->done(); });
  for (auto it = ended; it != given_up_.end(); ++it) it->thread.join();
  given_up_.erase(ended, given_up_.end());
}

}  // namespace vantrel
