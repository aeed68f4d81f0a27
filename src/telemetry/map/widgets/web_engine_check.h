// Whether the embedded web engine can run in this process. It cannot without its helper
// program, and Chromium refuses to start as root with its sandbox on: it would end the whole
// process, so the viewer never tries and shows its not-connected picture instead.
#pragma once

#include <QString>

namespace vantrel::ui {

// Empty when the web engine can run; otherwise why not, as one line for the user.
QString WebEngineUnavailableReason();

// For the command line and the tests, which run headless and often as root: turns the sandbox
// off where root would need it and keeps the engine off the GPU. Call before QApplication.
void PrepareHeadlessWebEngine();

// Call before QApplication is created: the web engine shares its OpenGL contexts.
void PrepareWebEngineApplication();

}  // namespace vantrel::ui
