#include "ui/DevicePrinter.h"

#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

void PaintImageOnPage(QPrinter& printer, const QImage& image)
{
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
}

void DevicePrinter::PrintImage(const QImage& image)
{
    QPrinter printer(QPrinter::HighResolution);
    if (image.width() > image.height())
        printer.setPageOrientation(QPageLayout::Landscape);
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        PaintImageOnPage(printer, image);
        return;
    }
    QPrintPreviewDialog preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                     [&image](QPrinter* target) { PaintImageOnPage(*target, image); });
    preview.exec();
}
