// vantrel-viewer [--cards FILE] [PATH...]
#include "ui/app/recbox_viewer_app.h"

int main(int argc, char** argv) {
  vantrel::ui::CRecboxViewerApp application(argc, argv);
  return application.Run();
}
