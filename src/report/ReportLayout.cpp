#include "report/ReportLayout.h"

#include "report/Pagination.h"
#include "report/Report.h"

namespace {
BandHeights HeightsOf(const Report& report)
{
    BandHeights heights;
    heights.reportHeader = report.reportHeader.height;
    heights.pageHeader = report.pageHeader.height;
    heights.pageFooter = report.pageFooter.height;
    heights.reportFooter = report.reportFooter.height;
    heights.details.reserve(report.details.size());
    for (const Band& band : report.details)
        heights.details << band.height;
    return heights;
}

const Band& BandOf(const Report& report, const PlacedBand& placed)
{
    switch (placed.kind) {
    case BandKind::ReportHeader: return report.reportHeader;
    case BandKind::PageHeader: return report.pageHeader;
    case BandKind::PageFooter: return report.pageFooter;
    case BandKind::ReportFooter: return report.reportFooter;
    case BandKind::Detail: break;
    }
    return report.details[placed.row];
}

// Only the page header and footer carry page codes; a row's own text is
// printed as it stands, even when it holds a "%".
bool CarriesPageCodes(BandKind kind)
{
    return kind == BandKind::PageHeader || kind == BandKind::PageFooter;
}

QString WithPageNumbers(QString text, int page, int pageCount)
{
    return text.replace(QLatin1String("%p"), QString::number(page))
        .replace(QLatin1String("%P"), QString::number(pageCount));
}
}

LaidOutReport LayOut(const Report& report)
{
    const QList<PagePlan> plans = Paginate(HeightsOf(report), report.BodyHeight());
    LaidOutReport laidOut {report.name, report.title, report.page, QSize(report.BodyWidth(), report.BodyHeight()), {}};
    QList<ReportPage>& pages = laidOut.pages;
    pages.reserve(plans.size());
    for (const PagePlan& plan : plans) {
        ReportPage page;
        for (const PlacedBand& placed : plan) {
            for (ReportItem item : BandOf(report, placed).items) {
                item.rect.translate(0, placed.top);
                if (CarriesPageCodes(placed.kind))
                    item.text = WithPageNumbers(item.text, int(pages.size()) + 1, int(plans.size()));
                page.items << item;
            }
        }
        pages << page;
    }
    return laidOut;
}
