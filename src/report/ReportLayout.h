#pragma once

#include "report/ReportItem.h"

#include <QList>
#include <QPageLayout>
#include <QSize>

struct Report;

// One laid-out page: its items in twips from the top left of the page's
// printable area, the page codes replaced by numbers.
struct ReportPage {
    QList<ReportItem> items;
};

// A report laid out on its pages, ready to be drawn.
struct LaidOutReport {
    QString name;
    QString title;
    QPageLayout page;
    // The printable area of a page in twips.
    QSize body;
    QList<ReportPage> pages;
};

// Lays the report out on pages (see Paginate) and numbers them.
LaidOutReport LayOut(const Report& report);
