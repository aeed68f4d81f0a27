// The catalogue's hold on the LyFS library: while any catalogue lives, the library is started and
// the splitter can read recordings from an open LyFS card. The first hold starts the library and
// registers the card byte source; the last one removes the source and stops the library (which
// closes whatever is still open), so in the viewer, with its one catalogue, the library is
// started once at start-up and stopped at exit. Thread-safe.
#pragma once

namespace vantrel {

class LyfsLibraryUse {
 public:
  LyfsLibraryUse();
  ~LyfsLibraryUse();
  LyfsLibraryUse(const LyfsLibraryUse&) = delete;
  LyfsLibraryUse& operator=(const LyfsLibraryUse&) = delete;
};

}  // namespace vantrel
