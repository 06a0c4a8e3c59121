#include "report/ReportPreview.h"

#include "report/Report.h"
#include "report/ReportPainter.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

ReportPreview::ReportPreview(const QString& name, QWidget& owner)
    : QPrintPreviewDialog(&owner)
{
    setObjectName(name);
    setModal(false);
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreview::Paint);
}

// One window per report in the whole program, whichever screen asked for it.
// A window the operator closed is only hidden and shows the next report, as
// building a print preview again costs more than drawing it.
ReportPreview* ReportPreview::Find(const QString& name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* preview = qobject_cast<ReportPreview*>(window);
        if (preview && preview->objectName() == name)
            return preview;
    }
    return nullptr;
}

ReportPreview* ReportPreview::Show(const Report& report, QWidget& owner)
{
    ReportPreview* preview = Find(report.name);
    if (!preview)
        preview = new ReportPreview(report.name, owner);
    preview->Bind(report);
    preview->show();
    preview->drawn_ = true;
    preview->raise();
    preview->activateWindow();
    return preview;
}

void ReportPreview::Bind(const Report& report)
{
    shown_ = LayOut(report);
    setWindowTitle(report.title);
    printer()->setPageLayout(report.page);
    printer()->setDocName(report.title);
    // A window never shown draws its pages as it first shows.
    if (drawn_)
        findChild<QPrintPreviewWidget*>()->updatePreview();
}

void ReportPreview::Paint(QPrinter* printer)
{
    PaintReport(shown_, *printer);
}
