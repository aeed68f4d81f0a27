#include "sim/card_writer.h"

#include <cmath>
#include <filesystem>

#include "sim/civil_time.h"
#include "sim/recording_writer.h"

namespace vantrel::sim {
namespace {

constexpr int kMaximumRecordings = 10000;

// The card folder a kind of recording is filed in; empty for a kind the recorder does not make.
std::string FolderOf(const std::string& kind) {
  const std::string root = std::string(kCardRootFolder) + "/";
  if (kind == "REC") return root + kInfiniteFolder;
  if (kind == "EVT") return root + kEventFolder;
  if (kind == "PRK" || kind == "MOT" || kind == "MDI") return root + kParkingFolder;
  return "";
}

AudioKind AudioOf(CardAudio audio, int index) {
  switch (audio) {
    case CardAudio::kNone:
      return AudioKind::kNone;
    case CardAudio::kPcm:
      return AudioKind::kPcm;
    case CardAudio::kAac:
      return AudioKind::kAac;
    case CardAudio::kMixed:
      break;
  }
  static const AudioKind kTurns[] = {AudioKind::kPcm, AudioKind::kAac, AudioKind::kNone};
  return kTurns[index % 3];
}

// Kinds spread over the card's time line in proportion to their counts: each next recording is of
// the kind furthest behind its share.
std::vector<std::string> InterleaveKinds(const std::vector<KindCount>& counts, int total) {
  std::vector<std::string> order;
  std::vector<int> used(counts.size(), 0);
  for (int step = 0; step < total; ++step) {
    size_t best = 0;
    double best_lag = -1e9;
    for (size_t k = 0; k < counts.size(); ++k) {
      if (used[k] >= counts[k].count) continue;
      const double lag = static_cast<double>(counts[k].count) * (step + 1) / total - used[k];
      if (lag > best_lag) best_lag = lag, best = k;
    }
    ++used[best];
    order.push_back(counts[best].kind);
  }
  return order;
}

}  // namespace

std::vector<PlannedRecording> PlanCard(const CardDescription& card, std::string* error) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  int total = 0;
  for (const KindCount& count : card.counts) {
    if (FolderOf(count.kind).empty()) {
      *error = "a card holds only REC, EVT, PRK, MOT and MDI recordings, not " + count.kind;
      return {};
    }
    if (count.count < 0 || count.count > kMaximumRecordings) {
      *error = "recording counts must be 0 to 10000";
      return {};
    }
    total += count.count;
  }
  if (total > kMaximumRecordings) {
    *error = "a card of at most 10000 recordings";
    return {};
  }
  if (card.two_channel_every < 0 || card.interrupted < 0 || card.interrupted > total) {
    *error =
        "two-channel spacing and interrupted count must be 0 or more (and not above the total)";
    return {};
  }
  std::vector<PlannedRecording> plan;
  const std::vector<std::string> kinds = InterleaveKinds(card.counts, total);
  int64_t start = ToSeconds(card.template_recording.start);
  const int64_t step = static_cast<int64_t>(std::ceil(card.template_recording.seconds));
  for (int i = 0; i < total; ++i) {
    PlannedRecording planned;
    planned.folder = FolderOf(kinds[i]);
    RecordingDescription& d = planned.description;
    d = card.template_recording;
    d.kind = kinds[i];
    d.start = FromSeconds(start + step * i);
    d.channels =
        card.two_channel_every > 0 && i % card.two_channel_every == card.two_channel_every - 1 ? 2
                                                                                               : 1;
    d.audio = AudioOf(card.audio, i);
    d.seed = card.template_recording.seed * 7919 + static_cast<uint64_t>(i);
    // An event recording is what the G-sensor triggered: the jolt comes a third of the way in.
    if (d.kind == "EVT") d.shock_seconds = d.seconds / 3;
    d.interrupted = false;
    plan.push_back(std::move(planned));
  }
  // Power is lost at the end of the last recording and now and then in between.
  for (int j = 0; j < card.interrupted; ++j) {
    plan[total - 1 - j * (total / card.interrupted)].description.interrupted = true;
  }
  for (const PlannedRecording& planned : plan) {
    const std::string problem = CheckDescription(planned.description);
    if (!problem.empty()) {
      *error = problem;
      return {};
    }
  }
  return plan;
}

bool WriteCardFolder(const CardDescription& card, const std::string& root, std::string* error,
                     std::vector<std::string>* written) {
  std::string ignored;
  if (error == nullptr) error = &ignored;
  error->clear();
  const std::vector<PlannedRecording> plan = PlanCard(card, error);
  if (!error->empty()) return false;
  const std::filesystem::path card_root(root);
  std::error_code failure;
  for (const char* folder : {kInfiniteFolder, kEventFolder, kParkingFolder}) {
    std::filesystem::create_directories(card_root / kCardRootFolder / folder, failure);
    if (failure) {
      *error = "cannot create folders in " + root + ": " + failure.message();
      return false;
    }
  }
  for (const PlannedRecording& planned : plan) {
    const std::string relative = planned.folder + "/" + RecordingFileName(planned.description);
    if (!WriteRecording(planned.description, (card_root / relative).string(), error)) return false;
    if (written != nullptr) written->push_back(relative);
  }
  return true;
}

}  // namespace vantrel::sim
