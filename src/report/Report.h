#pragma once

#include "report/ReportItem.h"

#include <QList>
#include <QPageLayout>
#include <QString>

// A horizontal strip of a report, as high as given in twips.
struct Band {
    int height = 0;
    QList<ReportItem> items;
};

// A report before it is laid out on pages: its bands with their items in place
// and their texts filled in, one detail band per row of its data. Texts of
// the page header and footer may hold the page codes "%p" (this page) and
// "%P" (the number of pages).
struct Report {
    // The preview window's object name, e.g. "DR1".
    QString name;
    QString title;
    QPageLayout page = DefaultPage();

    Band reportHeader;
    Band pageHeader;
    QList<Band> details;
    Band pageFooter;
    Band reportFooter;

    // A4 upright with margins that every office printer can print within.
    static QPageLayout DefaultPage();
    // The area inside the margins, in twips.
    int BodyWidth() const;
    int BodyHeight() const;
};
