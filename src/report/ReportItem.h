#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// One thing printed on a report: a text, a picture, a line or a box, placed in
// twips from the top left of its band (after layout, of its page).
struct ReportItem {
    enum class Kind { Text, Image, Line, Box };

    Kind kind = Kind::Text;
    // The item's name in the report, so that it can be found and checked.
    QString name;
    // A line runs from the top left corner to the bottom right one.
    QRect rect;
    QString text;
    QFont font;
    Qt::Alignment alignment;
    QImage image;

    QPoint LineEnd() const { return rect.topLeft() + QPoint(rect.width(), rect.height()); }
};

ReportItem TextItem(const QString& name, const QRect& rect, const QString& text, const QFont& font,
                    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
ReportItem ImageItem(const QString& name, const QRect& rect, const QImage& image);
ReportItem LineItem(const QString& name, const QPoint& from, const QPoint& to);
ReportItem BoxItem(const QString& name, const QRect& rect);
