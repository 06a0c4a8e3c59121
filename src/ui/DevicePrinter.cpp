#include "ui/DevicePrinter.h"

#include <QImage>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

QRect PaintImageOnPage(QPaintDevice& page, const QImage& image)
{
    QPainter painter(&page);
    const QRect area = painter.viewport();
    const QRect target(area.topLeft(), image.size().scaled(area.size(), Qt::KeepAspectRatio));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return target;
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
