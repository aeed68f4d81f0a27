// A quick LyFS card for copy tests: three short recordings of small pictures (continuous and
// event, one of them two-channel), nothing cut by a power loss.
#pragma once

#include "sim/lyfs_card_writer.h"

namespace vantrel::test {

inline sim::LyfsCardDescription SmallLyfsCard() {
  sim::LyfsCardDescription card;
  card.size_bytes = uint64_t{128} << 20;
  sim::RecordingDescription& recording = card.recordings.template_recording;
  recording.seconds = 0.5;
  recording.fps = 10;
  recording.front = recording.rear = sim::FrameSize{160, 90};
  card.recordings.counts = {{"REC", 1}, {"EVT", 1}, {"PRK", 0}, {"MOT", 0}, {"MDI", 0}};
  card.recordings.interrupted = 0;
  return card;
}

}  // namespace vantrel::test
