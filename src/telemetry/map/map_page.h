// What the map updater needs of a loaded map page: running a script without waiting for it, and
// asking which of its functions the page defines. The web view implements it.
#pragma once

#include <string>

namespace vantrel {

class MapPage {
 public:
  virtual ~MapPage() = default;
  // Runs the script on the page when one is loaded; errors and results are dropped.
  virtual void RunScript(const std::string& script) = 0;
  // Asks the page for its functions (BindingScript). The answer comes back later through
  // MapPositionUpdater::FunctionsBound; a page that is not loaded yet never answers.
  virtual void RequestBinding() = 0;
};

}  // namespace vantrel
