#pragma once

#include "ui/Printer.h"

class QPrinter;

// Prints on the system's default printer; without one, the page is shown in a
// print preview, from which it can be printed or saved as PDF.
class DevicePrinter : public Printer {
public:
    void PrintImage(const QImage& image) override;
};

// Draws a picture onto a printer's page, scaled to fit and keeping its proportions.
void PaintImageOnPage(QPrinter& printer, const QImage& image);
