// dashcam-sim card: a card folder with the recorder's folders and a mix of recordings. Prints the
// path of every recording written, relative to the card's root, in time order.
#include <cstdio>

#include "card_mix_options.h"
#include "recording_options.h"
#include "sim/card_writer.h"

namespace vantrel::sim::tool {

const char kCardHelp[] =
    "    writes DIR/QX_RECBOX/MP4_INFINITE, MP4_EVENT and MP4_PARKING with consecutive\n"
    "    recordings; event recordings carry a jolt a third of the way in.\n"
    "    --rec N --evt N --prk N --mot N --mdi N  recordings of each kind (6 3 2 1 1)\n"
    "    --two-channel-every N  every N-th recording has a rear camera; 0 none (2)\n"
    "    --interrupted N      recordings cut by a power loss, the last one first (2)\n"
    "    --audio none|pcm|aac|mixed  sound; mixed takes PCM, AAC, none in turn (mixed)\n"
    "    and the common options (--start is the first recording's)\n";

namespace {

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "dashcam-sim card: %s\n", message.c_str());
  return code;
}

}  // namespace

int CardCommand(const Words& words) {
  const std::set<std::string> valued = Join(kCommonValued, kCardMixValued);
  const std::string unknown = UnknownOption(words, valued, kCommonFlags);
  if (!unknown.empty()) return Fail(2, "unknown option " + unknown);
  const cli::Arguments arguments(words, valued);
  if (!arguments.error().empty()) return Fail(2, arguments.error());
  if (arguments.positional().size() != 1) return Fail(2, "needs one card folder");

  CardDescription card;
  std::string error;
  if (!ApplyCommonOptions(arguments, &card.template_recording, &error)) return Fail(2, error);
  if (!ApplyCardMixOptions(arguments, &card, &error)) return Fail(2, error);
  if (PlanCard(card, &error).empty() && !error.empty()) return Fail(2, error);

  std::vector<std::string> written;
  const bool ok = WriteCardFolder(card, arguments.positional().front(), &error, &written);
  for (const std::string& path : written) std::printf("%s\n", path.c_str());
  if (!ok) return Fail(1, error);
  return 0;
}

}  // namespace vantrel::sim::tool
