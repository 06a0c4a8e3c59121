#pragma once

#include "report/ReportLayout.h"

#include <QPrintPreviewDialog>

struct Report;

// The window in which the operator looks at a report and prints it or saves
// it as PDF. Each report has one, named after it (objectName "DR1"); showing
// a report whose window is open binds that window to the new report.
class ReportPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // Shows the report, non-modal, so that the screens stay usable. The window
    // belongs to the owner and goes with it; the operator's close hides it.
    static ReportPreview* Show(const Report& report, QWidget& owner);

    const LaidOutReport& Shown() const { return shown_; }

private:
    explicit ReportPreview(const QString& name, QWidget& owner);

    static ReportPreview* Find(const QString& name);
    void Bind(const Report& report);
    void Paint(QPrinter* printer);

    LaidOutReport shown_;
    bool drawn_ = false;
};
