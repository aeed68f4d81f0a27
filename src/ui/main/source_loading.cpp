#include "ui/main/source_loading.h"

#include <QTimer>

namespace vantrel::ui {

std::optional<PickedSource> DefaultFolderPicker(QWidget*, int) { return std::nullopt; }

SourceLoading::SourceLoading(SourceLoadingHost& host, platform::VolumeProvider& volumes,
                             LoadTimings timings, FolderPicker picker)
    : host_(host), volumes_(volumes), timings_(timings), picker_(std::move(picker)) {}

SourceLoading::~SourceLoading() = default;

void SourceLoading::OpenCommand() {}
void SourceLoading::Drop(const QStringList&) {}
void SourceLoading::VolumeRemoved(const std::string&) {}
void SourceLoading::ResetSource() {}

}  // namespace vantrel::ui
