#include "playback/channel_worker.h"

#include <utility>

namespace vantrel {

ChannelWorker::ChannelWorker(ChannelStream& stream, VideoSink* sink, SettingsSource settings,
                             ClockSource clock, DecodeHook decoded)
    : stream_(stream),
      sink_(sink),
      settings_(std::move(settings)),
      clock_(std::move(clock)),
      decoded_(std::move(decoded)) {
  thread_ = std::thread([this] { Loop(); });
}

ChannelWorker::~ChannelWorker() {
  {
    std::lock_guard guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void ChannelWorker::Hold() {
  std::unique_lock guard(lock_);
  held_ = true;
  idle_.wait(guard, [this] { return !busy_; });
}

void ChannelWorker::Release() {
  {
    std::lock_guard guard(lock_);
    ++serial_;
    queue_.clear();
    held_ = false;
    ended_ = false;
  }
  wake_.notify_all();
}

std::optional<QueuedPicture> ChannelWorker::TakeDue(int64_t time, uint64_t* dropped) {
  std::optional<QueuedPicture> due;
  {
    std::lock_guard guard(lock_);
    while (!queue_.empty() && (queue_.front().serial != serial_ || queue_.front().time <= time)) {
      QueuedPicture picture = std::move(queue_.front());
      queue_.pop_front();
      if (picture.serial != serial_) continue;
      if (due) ++*dropped;
      due = std::move(picture);
    }
  }
  // Room in the queue again.
  if (due) wake_.notify_all();
  return due;
}

uint64_t ChannelWorker::skipped() {
  std::lock_guard guard(lock_);
  return skipped_;
}

void ChannelWorker::CatchUp() {
  if (!clock_ || stream_.current() == nullptr) return;
  const std::optional<int64_t> clock = clock_();
  if (!clock || stream_.current_time() >= *clock) return;
  const int skipped = stream_.SkipToKeyFrame(*clock);
  std::lock_guard guard(lock_);
  skipped_ += static_cast<uint64_t>(skipped);
}

void ChannelWorker::Recycle(std::vector<uint8_t> pixels) {
  if (pixels.capacity() == 0) return;
  std::lock_guard guard(lock_);
  if (spare_pixels_.size() < kDecodeAheadPictures) spare_pixels_.push_back(std::move(pixels));
}

QueuedPicture ChannelWorker::Decoded(uint64_t serial) {
  QueuedPicture picture;
  picture.serial = serial;
  picture.time = stream_.current_time();
  picture.frame.reset(av_frame_alloc());
  if (!picture.frame || av_frame_ref(picture.frame.get(), stream_.current()) < 0) {
    picture.frame.reset();
    return picture;
  }
  picture.settings = settings_();
  const SinkRect rect = sink_ != nullptr ? sink_->ClientRect() : SinkRect{};
  if (rect.width <= 0 || rect.height <= 0 || rect.width > kMaxPictureSide ||
      rect.height > kMaxPictureSide) {
    return picture;
  }
  {
    std::lock_guard guard(lock_);
    if (!spare_pixels_.empty()) {
      picture.pixels = std::move(spare_pixels_.back());
      spare_pixels_.pop_back();
    }
  }
  picture.pixels.resize(static_cast<size_t>(rect.width) * 4 * rect.height);
  if (converter_.Convert(*picture.frame, picture.settings, rect.width, rect.height,
                         picture.pixels.data(), rect.width * 4)) {
    picture.width = rect.width;
    picture.height = rect.height;
  } else {
    picture.pixels.clear();
  }
  return picture;
}

void ChannelWorker::Loop() {
  std::unique_lock guard(lock_);
  while (true) {
    wake_.wait(guard, [this] {
      return stopping_ || (!held_ && !ended_ && queue_.size() < kDecodeAheadPictures);
    });
    if (stopping_) return;
    const uint64_t serial = serial_;
    busy_ = true;
    guard.unlock();
    CatchUp();
    const bool decoded = stream_.Advance();
    if (decoded && decoded_) decoded_();
    std::optional<QueuedPicture> picture;
    if (decoded) picture = Decoded(serial);
    guard.lock();
    busy_ = false;
    idle_.notify_all();
    if (!decoded) {
      if (serial == serial_) ended_ = true;
    } else if (picture->frame && picture->serial == serial_) {
      queue_.push_back(std::move(*picture));
    }
  }
}

}  // namespace vantrel
