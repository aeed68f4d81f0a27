// The loader threads of the playback controller: the current one, and those given up because a
// newer open did not want to wait for them. A given-up loader is cancelled and left to end on its
// own; it is joined once it has, and at the latest when this object goes, so no loader outlives
// what its job refers to.
//
// Threads: used from the user-interface thread only.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "playback/controller/loader_job.h"

namespace vantrel {

class LoaderThreads {
 public:
  LoaderThreads() = default;
  LoaderThreads(const LoaderThreads&) = delete;
  LoaderThreads& operator=(const LoaderThreads&) = delete;
  // Cancels every loader and waits for each to end.
  ~LoaderThreads();

  // Runs body on a new thread as the current loader; the job is marked done when body returns.
  // A current loader must have been released first.
  void Start(std::shared_ptr<LoaderJob> job, std::function<void()> body);

  // Gives the current loader up to `grace` to end; one that has not ended by then is cancelled
  // and given up. Either way there is no current loader afterwards.
  void ReleaseCurrent(std::chrono::milliseconds grace);

  bool has_current() const { return current_.thread.joinable(); }
  // Loaders given up that have not been joined yet.
  size_t given_up() const { return given_up_.size(); }

 private:
  struct Loader {
    std::shared_ptr<LoaderJob> job;
    std::thread thread;
  };

  // Joins the given-up loaders that have ended.
  void JoinEnded();

  Loader current_;
  std::vector<Loader> given_up_;
};

}  // namespace vantrel
