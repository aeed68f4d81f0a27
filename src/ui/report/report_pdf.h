// The printed report as a PDF file, for the command line: no window, no printer and no map view
// (so no map picture). Starts Qt's offscreen platform for the painting when nothing of Qt's
// user interface runs yet.
#pragma once

#include <optional>
#include <string>

#include "tools/output/report_inputs.h"
#include "tools/report_layout.h"

namespace vantrel::ui {

// False when the file cannot be written.
bool WriteReportPdf(const ReportInputs& inputs, const std::optional<tools::ReportTexts>& texts,
                    const std::string& path, int dpi = tools::kReportReferenceDpi);

}  // namespace vantrel::ui
