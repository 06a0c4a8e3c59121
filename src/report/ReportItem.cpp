#include "report/ReportItem.h"

namespace {
ReportItem Item(ReportItem::Kind kind, const QString& name, const QRect& rect)
{
    ReportItem item;
    item.kind = kind;
    item.name = name;
    item.rect = rect;
    return item;
}
}

ReportItem TextItem(const QString& name, const QRect& rect, const QString& text, const QFont& font,
                    Qt::Alignment alignment)
{
    ReportItem item = Item(ReportItem::Kind::Text, name, rect);
    item.text = text;
    item.font = font;
    item.alignment = alignment;
    return item;
}

ReportItem ImageItem(const QString& name, const QRect& rect, const QImage& image)
{
    ReportItem item = Item(ReportItem::Kind::Image, name, rect);
    item.image = image;
    return item;
}

ReportItem LineItem(const QString& name, const QPoint& from, const QPoint& to)
{
    return Item(ReportItem::Kind::Line, name, QRect(from, QSize(to.x() - from.x(), to.y() - from.y())));
}

ReportItem BoxItem(const QString& name, const QRect& rect)
{
    return Item(ReportItem::Kind::Box, name, rect);
}
