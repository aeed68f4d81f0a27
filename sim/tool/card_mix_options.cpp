#include "card_mix_options.h"

#include "recording_options.h"

namespace vantrel::sim::tool {

const std::set<std::string> kCardMixValued = {
    "rec", "evt", "prk", "mot", "mdi", "two-channel-every", "interrupted", "audio"};

bool ApplyCardMixOptions(const cli::Arguments& arguments, CardDescription* card,
                         std::string* error) {
  for (KindCount& count : card->counts) {
    std::string name = count.kind;
    for (char& c : name) c = static_cast<char>(c - 'A' + 'a');
    long long value = count.count;
    if (!arguments.Whole(name, 0, 10000, &value, error)) return false;
    count.count = static_cast<int>(value);
  }
  long long every = card->two_channel_every, interrupted = card->interrupted;
  if (!arguments.Whole("two-channel-every", 0, 10000, &every, error) ||
      !arguments.Whole("interrupted", 0, 10000, &interrupted, error)) {
    return false;
  }
  card->two_channel_every = static_cast<int>(every);
  card->interrupted = static_cast<int>(interrupted);
  const auto audio = arguments.Value("audio");
  if (!audio) return true;
  if (*audio == "none") {
    card->audio = CardAudio::kNone;
  } else if (*audio == "pcm") {
    card->audio = CardAudio::kPcm;
  } else if (*audio == "aac") {
    card->audio = CardAudio::kAac;
  } else if (*audio == "mixed") {
    card->audio = CardAudio::kMixed;
  } else {
    *error = "--audio needs none, pcm, aac or mixed";
    return false;
  }
  return true;
}

}  // namespace vantrel::sim::tool
