// Runs a copy on a thread of its own while a progress dialog shows how far it got; the dialog's
// Cancel asks the copy to stop. The user-interface thread keeps serving events meanwhile.
#pragma once

#include <QString>
#include <functional>

#include "tools/block_copy.h"

class QWidget;

namespace vantrel::ui {

// The copy: runs on the worker thread and reports into progress.
using CopyJob = std::function<tools::CopyOutcome(tools::CopyProgress& progress)>;

// Returns when the copy has ended, however it ended.
tools::CopyOutcome RunCopyWithProgress(QWidget* parent, const QString& label,
                                       const QString& cancel_text, const CopyJob& job);

}  // namespace vantrel::ui
