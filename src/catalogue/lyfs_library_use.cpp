#include "catalogue/lyfs_library_use.h"

#include <mutex>

#include "catalogue/card_byte_source.h"
#include "lyfs/lyfs.h"
#include "playback/card_source.h"

namespace vantrel {

namespace {

struct Holds {
  std::mutex lock;
  int count = 0;
};

Holds& LibraryHolds() {
  static Holds holds;
  return holds;
}

}  // namespace

LyfsLibraryUse::LyfsLibraryUse() {
  std::lock_guard<std::mutex> hold(LibraryHolds().lock);
  if (LibraryHolds().count++ > 0) return;
  QX_LyFS_Start();
  SetCardSourceFactory(OpenLyfsCardSource);
}

LyfsLibraryUse::~LyfsLibraryUse() {
  std::lock_guard<std::mutex> hold(LibraryHolds().lock);
  if (--LibraryHolds().count > 0) return;
  SetCardSourceFactory(nullptr);
  QX_LyFS_Stop();
}

}  // namespace vantrel
