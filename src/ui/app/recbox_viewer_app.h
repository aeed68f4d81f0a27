// The viewer program: starts the user interface, picks the volumes it offers as cards, runs the
// main window and ends when that window closes.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace vantrel::ui {

// What the command line asks for: vantrel-viewer [--cards FILE] [PATH...].
struct ViewerArguments {
  // Description of simulated cards to offer instead of this computer's volumes.
  std::optional<std::string> cards_file;
  // Folders or files opened as if dropped on the window, absolute.
  QStringList paths;
};

class CRecboxViewerApp {
 public:
  CRecboxViewerApp(int& argc, char** argv);
  // Runs the viewer; the process's exit code.
  int Run();

 private:
  int& argc_;
  char** argv_;
};

}  // namespace vantrel::ui
