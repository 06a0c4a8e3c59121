#pragma once

#include "import/Progress.h"

#include <QPointer>
#include <QString>

class QWidget;

// Runs a piece of work with a progress dialog that shows itself when the work
// takes longer than a moment and keeps the program responsive; its Cancel
// button stops the work.
class ImportProgress {
public:
    ImportProgress(const QString& label, QWidget* parent);
    ~ImportProgress();
    ImportProgress(const ImportProgress&) = delete;
    ImportProgress& operator=(const ImportProgress&) = delete;

    const Progress& Report() const { return report_; }

private:
    class Dialog;
    QPointer<Dialog> dialog_;
    Progress report_;
};
