#include "platform/settings_store.h"

namespace vantrel::platform {

std::unique_ptr<SettingsStore> PerUserRegistry() { return nullptr; }

}  // namespace vantrel::platform
