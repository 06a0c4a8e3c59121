#pragma once

class QImage;

// Printing: the running program prints on the default printer; tests keep what was printed.
class Printer {
public:
    virtual ~Printer() = default;
    // Prints one picture, scaled to fit a page, and ends the job.
    virtual void PrintImage(const QImage& image) = 0;
};
