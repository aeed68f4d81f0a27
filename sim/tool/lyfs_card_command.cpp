// dashcam-sim lyfs-card: a card image of a recorder that records into the LyFS partition.
// Prints the LyFS path ("DIR/NAME") of every recording written, in time order.
#include <cstdio>
#include <filesystem>

#include "card_mix_options.h"
#include "device/card_labels.h"
#include "lyfs/lyfs.h"
#include "recording_options.h"
#include "sim/fat_partition.h"
#include "sim/lyfs_card_files.h"
#include "sim/lyfs_card_writer.h"

namespace vantrel::sim::tool {

const char kLyfsCardHelp[] =
    "    writes a sparse card image partitioned and formatted as the model's recorder card:\n"
    "    FAT32 partition 1 (model's label, a placeholder setup.cfg) and the LyFS partition\n"
    "    with the recordings in INFINITE (NORMAL for MERIDA), EVENT and PARKING.\n"
    "    --size-mib N         image size in MiB (512)\n"
    "    --model TEXT         KT410A, KT520A, KT730A, MERIDA, KT520A(Merida), KT730A(Merida)\n"
    "                         (KT520A)\n"
    "    --sd-allocation N    the card's SD allocation setting; 100: not read (100)\n"
    "    --cards FILE         also write a simulated-volume description presenting the image\n"
    "                         as a removable card; its root is IMAGE.root/, the FAT\n"
    "                         partition's files copied out as a mounted card shows them\n"
    "    --list FILE          also write the manifest: DIR, NAME, SIZE, SHA256 per recording\n"
    "    --rec, --evt, --prk, --mot, --mdi, --two-channel-every, --interrupted, --audio\n"
    "                         the recordings, as for the card command\n"
    "    and the common options\n";

namespace {

constexpr long long kLargestCardMiB = 1 << 20;

int Fail(int code, const std::string& message) {
  std::fprintf(stderr, "dashcam-sim lyfs-card: %s\n", message.c_str());
  return code;
}

// The folder that plays the card's mount point: the FAT partition's files, as mounted.
bool WriteCardsFile(const std::string& cards_file, const std::string& image,
                    const std::string& model, std::string* error) {
  const std::string root = image + ".root";
  std::error_code failure;
  std::filesystem::create_directories(root, failure);
  if (!std::filesystem::is_directory(root, failure)) {
    *error = "cannot make the card's folder " + root;
    return false;
  }
  const auto partition = FindFatPartition(image);
  if (!partition) {
    *error = "the card has no FAT32 partition 1";
    return false;
  }
  return ExtractFat(image, *partition, root, error) &&
         WriteSimulatedCardFile(cards_file, root, image, device::CardVolumeLabel(model), error);
}

}  // namespace

int LyfsCardCommand(const Words& words) {
  const std::set<std::string> valued = Join(
      Join(kCommonValued, kCardMixValued), {"size-mib", "model", "sd-allocation", "cards", "list"});
  const std::string unknown = UnknownOption(words, valued, kCommonFlags);
  if (!unknown.empty()) return Fail(2, "unknown option " + unknown);
  const cli::Arguments arguments(words, valued);
  if (!arguments.error().empty()) return Fail(2, arguments.error());
  if (arguments.positional().size() != 1) return Fail(2, "needs one image file");

  LyfsCardDescription card;
  std::string error;
  if (!ApplyCommonOptions(arguments, &card.recordings.template_recording, &error) ||
      !ApplyCardMixOptions(arguments, &card.recordings, &error)) {
    return Fail(2, error);
  }
  long long size_mib = static_cast<long long>(card.size_bytes >> 20);
  long long sd_allocation = card.sd_allocation;
  if (!arguments.Whole("size-mib", 1, kLargestCardMiB, &size_mib, &error) ||
      !arguments.Whole("sd-allocation", 0, kSdAllocationUnread, &sd_allocation, &error)) {
    return Fail(2, error);
  }
  card.size_bytes = static_cast<uint64_t>(size_mib) << 20;
  card.sd_allocation = static_cast<int>(sd_allocation);
  if (const auto model = arguments.Value("model")) card.model = *model;
  if (!IsRecorderModel(card.model)) return Fail(2, "--model needs one of the recorder models");
  if (PlanCard(card.recordings, &error).empty() && !error.empty()) return Fail(2, error);

  const std::string& image = arguments.positional().front();
  std::vector<WrittenCardFile> written;
  QX_LyFS_Start();
  bool ok = WriteLyfsCard(card, image, &error, &written);
  QX_LyFS_Stop();
  for (const WrittenCardFile& file : written) {
    std::printf("%s/%s\n", file.directory.c_str(), file.name.c_str());
  }
  if (ok && arguments.Has("list"))
    ok = WriteCardManifest(*arguments.Value("list"), written, &error);
  if (ok && arguments.Has("cards")) {
    ok = WriteCardsFile(*arguments.Value("cards"), image, card.model, &error);
  }
  return ok ? 0 : Fail(1, error);
}

}  // namespace vantrel::sim::tool
