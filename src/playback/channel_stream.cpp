#include "playback/channel_stream.h"

#include <climits>
#include <cstring>
#include <utility>

#include "playback/media_time.h"

namespace vantrel {
namespace {

// A broken recording can make the decoder refuse picture after picture; past this many refusals
// in a row the channel counts as ended rather than spinning on.
constexpr int kMaxDecodeErrorsInRow = 64;

bool OpenContext(const AVCodec* codec, const MediaType& type, bool with_extra,
                 CodecContextHandle* out) {
  CodecContextHandle context(avcodec_alloc_context3(codec));
  if (!context) return false;
  if (with_extra && !type.extra.empty() && type.extra.size() < INT_MAX / 2) {
    const size_t size = type.extra.size();
    context->extradata = static_cast<uint8_t*>(av_mallocz(size + AV_INPUT_BUFFER_PADDING_SIZE));
    if (!context->extradata) return false;
    std::memcpy(context->extradata, type.extra.data(), size);
    context->extradata_size = static_cast<int>(size);
  }
  context->thread_count = kDecoderThreads;
  context->thread_type = FF_THREAD_FRAME;
  context->pkt_timebase = AVRational{1, static_cast<int>(kUnitsPerSecond)};
  if (avcodec_open2(context.get(), codec, nullptr) < 0) return false;
  *out = std::move(context);
  return true;
}

}  // namespace

ChannelStream::ChannelStream(SplitterFilter& splitter, size_t pin)
    : splitter_(splitter),
      pin_(pin),
      packet_(av_packet_alloc()),
      current_(av_frame_alloc()),
      next_(av_frame_alloc()) {}

bool ChannelStream::Open(const MediaType& type) {
  context_.reset();
  if (type.major != MajorType::kVideo || type.subtype != MediaSubtype::kH264) return false;
  if (!packet_ || !current_ || !next_) return false;
  const AVCodec* codec = avcodec_find_decoder(AV_CODEC_ID_H264);
  if (codec == nullptr) return false;
  // The format block's codec data comes from the card like everything else; when the decoder
  // refuses it, the stream's own parameter sets still make it decodable.
  return OpenContext(codec, type, true, &context_) || OpenContext(codec, type, false, &context_);
}

void ChannelStream::Reset() {
  if (context_) avcodec_flush_buffers(context_.get());
  av_frame_unref(current_.get());
  av_frame_unref(next_.get());
  ahead_.clear();
  has_current_ = false;
  has_next_ = false;
  draining_ = false;
  finished_ = false;
}

std::optional<MediaPacket> ChannelStream::NextPinPacket() {
  if (ahead_.empty()) return splitter_.NextPacket(pin_);
  MediaPacket packet = std::move(ahead_.front());
  ahead_.pop_front();
  return packet;
}

bool ChannelStream::SendNextPacket() {
  while (auto packet = NextPinPacket()) {
    if (packet->data.empty() || packet->data.size() > INT_MAX / 2) continue;
    av_packet_unref(packet_.get());
    if (av_new_packet(packet_.get(), static_cast<int>(packet->data.size())) < 0) return false;
    std::memcpy(packet_->data, packet->data.data(), packet->data.size());
    packet_->pts = packet->time;
    packet_->dts = AV_NOPTS_VALUE;
    if (packet->key) packet_->flags |= AV_PKT_FLAG_KEY;
    // A packet the decoder refuses (damaged data) is skipped; the next one may decode.
    if (avcodec_send_packet(context_.get(), packet_.get()) >= 0) return true;
  }
  avcodec_send_packet(context_.get(), nullptr);
  draining_ = true;
  return true;
}

bool ChannelStream::DecodeNext() {
  if (!context_ || finished_) return false;
  int errors = 0;
  while (true) {
    const int result = avcodec_receive_frame(context_.get(), next_.get());
    if (result == 0) {
      if (next_->pts == AV_NOPTS_VALUE) next_->pts = next_->best_effort_timestamp;
      has_next_ = true;
      return true;
    }
    if (result == AVERROR(EAGAIN) && !draining_) {
      if (!SendNextPacket()) break;
      continue;
    }
    if (result == AVERROR_EOF || result == AVERROR(EAGAIN) || ++errors > kMaxDecodeErrorsInRow) {
      break;
    }
  }
  finished_ = true;
  return false;
}

int ChannelStream::DecodeUpTo(int64_t time) {
  int made_current = 0;
  while ((has_next_ || DecodeNext()) && next_->pts <= time) {
    std::swap(current_, next_);
    has_current_ = true;
    has_next_ = false;
    ++made_current;
  }
  return made_current;
}

bool ChannelStream::Advance() {
  if (!has_next_ && !DecodeNext()) return false;
  std::swap(current_, next_);
  has_current_ = true;
  has_next_ = false;
  return true;
}

int ChannelStream::SkipToKeyFrame(int64_t time) {
  if (!context_) return 0;
  while (ahead_.size() < kMaxPacketsAhead && (ahead_.empty() || ahead_.back().time <= time)) {
    std::optional<MediaPacket> packet = splitter_.NextPacket(pin_);
    if (!packet) break;
    ahead_.push_back(std::move(*packet));
  }
  size_t key = 0;  // the last due key frame's place in ahead_; 0: none, or nothing before it
  for (size_t i = 1; i < ahead_.size() && ahead_[i].time <= time; ++i) {
    if (ahead_[i].key && !ahead_[i].data.empty()) key = i;
  }
  if (key == 0) return 0;
  ahead_.erase(ahead_.begin(), ahead_.begin() + static_cast<std::ptrdiff_t>(key));
  avcodec_flush_buffers(context_.get());
  av_frame_unref(next_.get());
  has_next_ = false;
  draining_ = false;
  finished_ = false;
  return static_cast<int>(key);
}

}  // namespace vantrel
