#pragma once

#include <QFont>

class QPagedPaintDevice;
struct LaidOutReport;
struct ReportItem;

// Draws the pages of a report, one device page each, on a printer, a preview
// or a PDF file. The pages are scaled to fit the device's printable area when
// its paper differs from the report's, so that nothing is cut off. False when
// the device cannot be painted on.
bool PaintReport(const LaidOutReport& report, QPagedPaintDevice& device);

// The type a text item is drawn in: its own, unless the text does not fit its
// place even when wrapped; then smaller, down to two thirds of its size.
QFont FittingFont(const ReportItem& item);
