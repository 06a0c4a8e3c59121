#include "report/Pagination.h"

namespace {
class Paginator {
public:
    Paginator(const BandHeights& heights, int pageHeight)
        : heights_(heights)
        , bottom_(pageHeight - heights.pageFooter)
        , pageHeight_(pageHeight)
    {
    }

    QList<PagePlan> Run()
    {
        if (heights_.reportHeader > 0) {
            page_ << PlacedBand {BandKind::ReportHeader, -1, 0};
            top_ = heights_.reportHeader;
            pageIsEmpty_ = false;
        }
        PlacePageHeader();
        for (int row = 0; row < heights_.details.size(); ++row)
            Place(BandKind::Detail, row, heights_.details[row]);
        Place(BandKind::ReportFooter, -1, heights_.reportFooter);
        EndPage();
        return pages_;
    }

private:
    // A band taller than a whole page goes on a page of its own rather than
    // holding up the rest of the report.
    void Place(BandKind kind, int row, int height)
    {
        if (height <= 0)
            return;
        if (top_ + height > bottom_ && !pageIsEmpty_) {
            EndPage();
            StartPage();
        }
        page_ << PlacedBand {kind, row, top_};
        top_ += height;
        pageIsEmpty_ = false;
    }

    void StartPage()
    {
        page_.clear();
        top_ = 0;
        pageIsEmpty_ = true;
        PlacePageHeader();
    }

    void PlacePageHeader()
    {
        if (heights_.pageHeader <= 0)
            return;
        page_ << PlacedBand {BandKind::PageHeader, -1, top_};
        top_ += heights_.pageHeader;
    }

    void EndPage()
    {
        if (heights_.pageFooter > 0)
            page_ << PlacedBand {BandKind::PageFooter, -1, pageHeight_ - heights_.pageFooter};
        pages_ << page_;
    }

    const BandHeights& heights_;
    const int bottom_;
    const int pageHeight_;
    QList<PagePlan> pages_;
    PagePlan page_;
    int top_ = 0;
    bool pageIsEmpty_ = true;
};
}

QList<PagePlan> Paginate(const BandHeights& heights, int pageHeight)
{
    return Paginator(heights, pageHeight).Run();
}
