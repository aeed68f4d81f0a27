// Paints the two pages of the printed report on a paged device (a printer or a PDF writer), in
// the device's printable area and at its resolution.
#pragma once

#include <QImage>
#include <optional>

#include "tools/output/report_inputs.h"
#include "tools/report_layout.h"

class QPagedPaintDevice;

namespace vantrel::ui {

// A channel picture as an image (shares nothing with the picture).
QImage ChannelQImage(const ChannelImage& image);

// map: a grab of the map view, or a null image when there is none (no map picture then). False
// when painting on the device cannot start (a file that cannot be written).
bool PaintReport(QPagedPaintDevice& device, const ReportInputs& inputs, const QImage& map,
                 const std::optional<tools::ReportTexts>& texts);

}  // namespace vantrel::ui
