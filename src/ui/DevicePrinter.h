#pragma once

#include "ui/Printer.h"

class QPaintDevice;
class QRect;

// Prints on the system's default printer; without one, the page is shown in a
// print preview, from which it can be printed or saved as PDF.
class DevicePrinter : public Printer {
public:
    void PrintImage(const QImage& image) override;
};

// Draws a picture onto a page, scaled to fit and keeping its proportions;
// gives where it went on the page.
QRect PaintImageOnPage(QPaintDevice& page, const QImage& image);
