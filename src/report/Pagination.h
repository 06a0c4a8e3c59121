#pragma once

#include <QList>

// The heights in twips of a report's bands; one detail height per row.
struct BandHeights {
    int reportHeader = 0;
    int pageHeader = 0;
    QList<int> details;
    int pageFooter = 0;
    int reportFooter = 0;
};

enum class BandKind { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

// A band put on a page: which one (the row for a detail band) and its top in twips.
struct PlacedBand {
    BandKind kind = BandKind::Detail;
    int row = -1;
    int top = 0;

    bool operator==(const PlacedBand&) const = default;
};

using PagePlan = QList<PlacedBand>;

// Distributes the bands over pages of the given height: the report header
// opens the first page, above the page header, which heads every page; the
// page footer ends every page, the report footer follows the last row. A band is never split: one
// that does not fit in what is left of a page starts the next page. Bands of
// no height are left out. There is always at least one page.
QList<PagePlan> Paginate(const BandHeights& heights, int pageHeight);
