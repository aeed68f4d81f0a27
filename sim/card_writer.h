// A simulated memory card as a folder: the recorder's folders under "QX_RECBOX" and a mix of
// recordings in them, as a card looks after some days of driving and parking: continuous
// recordings, event recordings (with the jolt that triggered them), parking recordings, some with
// a rear camera, some without sound, and a few cut short by a power loss.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/recording_description.h"

namespace vantrel::sim {

inline constexpr char kCardRootFolder[] = "QX_RECBOX";
inline constexpr char kInfiniteFolder[] = "MP4_INFINITE";
inline constexpr char kEventFolder[] = "MP4_EVENT";
inline constexpr char kParkingFolder[] = "MP4_PARKING";

// How the card's recordings get their sound.
enum class CardAudio { kNone, kPcm, kAac, kMixed };  // mixed: PCM, AAC, none in turn

struct KindCount {
  std::string kind;  // REC, EVT, PRK, MOT or MDI
  int count = 0;
};

struct CardDescription {
  // The first recording starts at template_recording.start; each next one where the last ended.
  RecordingDescription template_recording;
  std::vector<KindCount> counts = {{"REC", 6}, {"EVT", 3}, {"PRK", 2}, {"MOT", 1}, {"MDI", 1}};
  int two_channel_every = 2;  // every n-th recording has a rear camera; 0: none has
  int interrupted = 2;        // recordings cut by a power loss (the last one first)
  CardAudio audio = CardAudio::kMixed;
};

struct PlannedRecording {
  std::string folder;  // relative to the card's root, "/"-separated
  RecordingDescription description;
};

// The card's recordings in time order. Empty, with *error set (when given), when the
// description is invalid.
std::vector<PlannedRecording> PlanCard(const CardDescription& card, std::string* error);

// Writes the card into root (created when missing); the paths written, relative to root, go to
// *written when given. False with *error set when anything cannot be written.
bool WriteCardFolder(const CardDescription& card, const std::string& root,
                     std::string* error = nullptr, std::vector<std::string>* written = nullptr);

}  // namespace vantrel::sim
