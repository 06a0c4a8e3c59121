#include "report/ReportPainter.h"

#include "report/ReportLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Lines and box edges, about three quarters of a point.
constexpr int PenWidth = 15;

int WrappingFlags(const ReportItem& item)
{
    return int(item.alignment) | Qt::TextWordWrap;
}

bool Fits(const QFont& font, const ReportItem& item)
{
    const QRectF needed = QFontMetricsF(font).boundingRect(QRectF(item.rect), WrappingFlags(item), item.text);
    return needed.width() <= item.rect.width() && needed.height() <= item.rect.height();
}

// A text that still does not fit is cut short on one line.
void DrawText(QPainter& painter, const ReportItem& item)
{
    const QFont font = FittingFont(item);
    painter.setFont(font);
    if (Fits(font, item)) {
        painter.drawText(item.rect, WrappingFlags(item), item.text);
        return;
    }
    const QString shortened = QFontMetricsF(font).elidedText(item.text, Qt::ElideRight, item.rect.width());
    painter.drawText(item.rect, int(item.alignment), shortened);
}

// A picture keeps its proportions and is centred in its place.
void DrawImage(QPainter& painter, const ReportItem& item)
{
    QRect target(QPoint(), item.image.size().scaled(item.rect.size(), Qt::KeepAspectRatio));
    target.moveCenter(item.rect.center());
    painter.drawImage(target, item.image);
}

void DrawItem(QPainter& painter, const ReportItem& item)
{
    switch (item.kind) {
    case ReportItem::Kind::Text: return DrawText(painter, item);
    case ReportItem::Kind::Image: return DrawImage(painter, item);
    case ReportItem::Kind::Line: return painter.drawLine(item.rect.topLeft(), item.LineEnd());
    case ReportItem::Kind::Box: return painter.drawRect(item.rect);
    }
}

// The painter's window is the page body in twips, fitted into the device's
// printable area with equal scales across and down.
void SetTwipsWindow(QPainter& painter, const QSize& body)
{
    const QRect area = painter.viewport();
    const double scale = std::min(area.width() / double(body.width()), area.height() / double(body.height()));
    painter.setViewport(area.x(), area.y(), int(std::lround(body.width() * scale)),
                        int(std::lround(body.height() * scale)));
    painter.setWindow(QRect(QPoint(), body));
}
}

QFont FittingFont(const ReportItem& item)
{
    QFont font = item.font;
    const int smallest = std::max(1, font.pixelSize() * 2 / 3);
    while (!Fits(font, item) && font.pixelSize() > smallest)
        font.setPixelSize(std::max(smallest, font.pixelSize() * 11 / 12));
    return font;
}

bool PaintReport(const LaidOutReport& report, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    SetTwipsWindow(painter, report.body);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setPen(QPen(Qt::black, PenWidth));
    painter.setBrush(Qt::NoBrush);
    for (qsizetype index = 0; index < report.pages.size(); ++index) {
        if (index > 0)
            device.newPage();
        for (const ReportItem& item : report.pages[index].items)
            DrawItem(painter, item);
    }
    return painter.end();
}
