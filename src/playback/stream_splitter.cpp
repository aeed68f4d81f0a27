#include "playback/stream_splitter.h"

#include <algorithm>
#include <cstring>

#include "avi/h264_frame_kind.h"
#include "avi/index_builder.h"
#include "playback/card_source.h"

namespace vantrel {

namespace {

// How much of a frame is read to find its NAL unit types when there is no index: the first
// step nearly always decides (a slice header comes within the first few dozen bytes); the
// later steps cover large SEI units in front of the picture.
constexpr size_t kKeyProbeSteps[] = {512, 4096, 65536};

}  // namespace

int StreamSplitter::SetParseMode(int32_t flag) {
  std::lock_guard<std::mutex> hold(lock_);
  parse_mode_ = flag;
  return 0;
}

int32_t StreamSplitter::parse_mode() const {
  std::lock_guard<std::mutex> hold(lock_);
  return parse_mode_;
}

int StreamSplitter::SetCardSource(intptr_t device, int32_t value) {
  std::lock_guard<std::mutex> hold(lock_);
  card_device_ = device;
  card_value_ = value;
  return 0;
}

bool StreamSplitter::Load(const std::string& path) {
  intptr_t device;
  int32_t value;
  {
    std::lock_guard<std::mutex> hold(lock_);
    device = card_device_;
    value = card_value_;
  }
  const bool ordinary = device == kFileSourceDevice && value == kFileSourceValue;
  std::unique_ptr<avi::ByteSource> source;
  if (ordinary) {
    source = avi::FileByteSource::Open(path);
  } else {
    source = OpenCardSource(device, value, path);
  }
  if (!source) {
    Close();
    return false;
  }
  return Open(std::move(source));
}

bool StreamSplitter::Open(std::unique_ptr<avi::ByteSource> source) {
  std::lock_guard<std::mutex> hold(lock_);
  source_.reset();
  contents_ = {};
  tables_ = {};
  pin_states_.clear();
  telemetry_cursor_ = 0;
  if (!source) return false;
  auto contents = avi::ReadAvi(*source);
  if (!contents) return false;
  source_ = std::move(source);
  contents_ = std::move(*contents);
  tables_ = BuildPacketTables(contents_);
  pin_states_.resize(tables_.pins.size());
  return true;
}

void StreamSplitter::Close() { Open(nullptr); }

bool StreamSplitter::is_open() const {
  std::lock_guard<std::mutex> hold(lock_);
  return source_ != nullptr;
}

std::vector<OutputPin> StreamSplitter::Pins() const {
  std::lock_guard<std::mutex> hold(lock_);
  std::vector<OutputPin> pins;
  for (const PinTable& pin : tables_.pins) pins.push_back({pin.name, pin.type});
  return pins;
}

int64_t StreamSplitter::Duration() const {
  std::lock_guard<std::mutex> hold(lock_);
  if (!tables_.front_pin) return 0;
  const PinTable& front = tables_.pins[*tables_.front_pin];
  return front.FrameTime(front.packets.size());
}

std::optional<bool> StreamSplitter::KnownKeyFlag(const PinTable& pin,
                                                 const avi::ChunkRef& chunk) const {
  if (pin.type.major != MajorType::kVideo) return true;
  if (contents_.from_index) return (chunk.flags & avi::kIndexKeyFrame) != 0;
  if (pin.type.subtype != MediaSubtype::kH264) return true;  // no way to tell: every frame
  return std::nullopt;
}

std::optional<MediaPacket> StreamSplitter::NextPacket(size_t pin) {
  std::lock_guard<std::mutex> hold(lock_);
  if (pin >= tables_.pins.size()) return std::nullopt;
  const PinTable& table = tables_.pins[pin];
  size_t& cursor = pin_states_[pin].cursor;
  while (cursor < table.packets.size()) {
    const PacketEntry& entry = table.packets[cursor];
    const avi::ChunkRef& chunk = contents_.chunks[entry.chunk];
    MediaPacket packet;
    packet.number = cursor++;
    if (!avi::ReadChunkData(*source_, chunk, packet.data)) continue;
    packet.time = entry.time;
    const auto known = KnownKeyFlag(table, chunk);
    packet.key = known ? *known
                       : avi::ClassifyH264Frame(packet.data.data(), packet.data.size(), true) ==
                             avi::H264FrameKind::kKey;
    return packet;
  }
  return std::nullopt;
}

bool StreamSplitter::ProbeKeyFrame(const avi::ChunkRef& chunk) {
  std::vector<uint8_t> prefix;
  for (size_t step : kKeyProbeSteps) {
    prefix.resize(step);
    const size_t got = avi::ReadChunkPrefix(*source_, chunk, prefix.data(), step);
    const bool whole = got >= chunk.size;
    const auto kind = avi::ClassifyH264Frame(prefix.data(), got, whole);
    if (kind != avi::H264FrameKind::kUndecided) return kind == avi::H264FrameKind::kKey;
    if (whole || got < step) return false;
  }
  return false;  // no slice within the largest look: not a frame to start from
}

const std::vector<uint64_t>& StreamSplitter::KeyFramesLocked(size_t pin) {
  auto& key_frames = pin_states_[pin].key_frames;
  if (key_frames) return *key_frames;
  key_frames.emplace();
  const PinTable& table = tables_.pins[pin];
  if (table.type.major != MajorType::kVideo) return *key_frames;
  for (size_t frame = 0; frame < table.packets.size(); ++frame) {
    const avi::ChunkRef& chunk = contents_.chunks[table.packets[frame].chunk];
    const auto known = KnownKeyFlag(table, chunk);
    if (known ? *known : ProbeKeyFrame(chunk)) key_frames->push_back(frame);
  }
  return *key_frames;
}

std::vector<uint64_t> StreamSplitter::KeyFrames(size_t pin) {
  std::lock_guard<std::mutex> hold(lock_);
  if (pin >= tables_.pins.size()) return {};
  return KeyFramesLocked(pin);
}

size_t StreamSplitter::CursorForTime(size_t pin, int64_t time) {
  const PinTable& table = tables_.pins[pin];
  const auto& packets = table.packets;
  const auto at_or_before = [&](int64_t t) {
    return std::upper_bound(packets.begin(), packets.end(), t,
                            [](int64_t value, const PacketEntry& e) { return value < e.time; }) -
           packets.begin();
  };
  switch (table.type.major) {
    case MajorType::kVideo: {
      const auto& keys = KeyFramesLocked(pin);
      const auto frames_at_or_before = static_cast<uint64_t>(at_or_before(time));
      const auto key = std::lower_bound(keys.begin(), keys.end(), frames_at_or_before);
      // The last key frame among the frames stamped at or before time; frame 0 otherwise.
      return key == keys.begin() ? 0 : static_cast<size_t>(*(key - 1));
    }
    case MajorType::kAudio: {
      const size_t after = static_cast<size_t>(at_or_before(time));
      return after == 0 ? 0 : after - 1;
    }
    case MajorType::kText:
      break;
  }
  return static_cast<size_t>(
      std::lower_bound(packets.begin(), packets.end(), time,
                       [](const PacketEntry& e, int64_t value) { return e.time < value; }) -
      packets.begin());
}

std::optional<int64_t> StreamSplitter::Seek(int64_t time) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!source_) return std::nullopt;
  time = std::max<int64_t>(time, 0);
  if (tables_.front_pin) {
    const size_t front = *tables_.front_pin;
    const size_t frame = CursorForTime(front, time);
    const auto& packets = tables_.pins[front].packets;
    time = frame < packets.size() ? packets[frame].time : 0;
  }
  for (size_t pin = 0; pin < tables_.pins.size(); ++pin) {
    pin_states_[pin].cursor = CursorForTime(pin, time);
  }
  return time;
}

int StreamSplitter::FetchTelemetryPacket(uint8_t* buffer, int32_t* size, uint32_t* time_stamp) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!source_) return kSplitterNotOpen;
  if (buffer == nullptr || size == nullptr || time_stamp == nullptr || *size <= 0) {
    return kSplitterBadBuffer;
  }
  std::vector<uint8_t> data;
  while (telemetry_cursor_ < tables_.telemetry.size()) {
    const TelemetryEntry& entry = tables_.telemetry[telemetry_cursor_++];
    if (!avi::ReadChunkData(*source_, contents_.chunks[entry.chunk], data)) continue;
    const size_t offered = static_cast<size_t>(*size);
    size_t length = std::min(data.size(), offered);
    if (length > 0) std::memcpy(buffer, data.data(), length);  // an empty chunk has no data
    // A GPS sentence is text: whatever the chunk held, the caller gets it NUL-terminated,
    // cut at the last byte of the buffer when it does not fit.
    if (length > 0 && buffer[0] == 'G' && std::memchr(buffer, 0, length) == nullptr) {
      if (length < offered) {
        buffer[length++] = 0;
      } else {
        buffer[length - 1] = 0;
      }
    }
    *size = static_cast<int32_t>(length);
    *time_stamp = entry.time_ms;
    return kTelemetryPacketDelivered;
  }
  return kNoMoreTelemetryPackets;
}

}  // namespace vantrel
