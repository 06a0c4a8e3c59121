#pragma once

class QPagedPaintDevice;
struct LaidOutReport;

// Draws the pages of a report, one device page each, on a printer, a preview
// or a PDF file. The pages are scaled to fit the device's printable area when
// its paper differs from the report's, so that nothing is cut off. False when
// the device cannot be painted on.
bool PaintReport(const LaidOutReport& report, QPagedPaintDevice& device);
