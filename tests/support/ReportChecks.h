#pragma once

#include "report/ReportLayout.h"
#include "report/ReportPainter.h"

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// The texts of a laid-out page, top to bottom as the report builds them.
inline QStringList Texts(const ReportPage& page)
{
    QStringList texts;
    for (const ReportItem& item : page.items) {
        if (item.kind == ReportItem::Kind::Text)
            texts << item.text;
    }
    return texts;
}

// The items of that name on a page, in order.
inline QList<ReportItem> Named(const ReportPage& page, const QString& name)
{
    QList<ReportItem> items;
    for (const ReportItem& item : page.items) {
        if (item.name == name)
            items << item;
    }
    return items;
}

// Every item lies within the printable area of its page.
inline void VerifyWithinPages(const LaidOutReport& report)
{
    for (const ReportPage& page : report.pages) {
        for (const ReportItem& item : page.items) {
            const QRect& r = item.rect;
            QVERIFY2(r.x() >= 0 && r.y() >= 0 && r.x() + r.width() <= report.body.width()
                         && r.y() + r.height() <= report.body.height(),
                     qPrintable(item.name));
        }
    }
}

// Draws the report into a PDF file on the report's own paper.
inline bool WritePdf(const LaidOutReport& report, const QString& path)
{
    QPdfWriter pdf(path);
    pdf.setTitle(report.title);
    pdf.setPageLayout(report.page);
    return PaintReport(report, pdf);
}

inline int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}
