#include "report/Report.h"

#include "report/ReportFont.h"

#include <cmath>

QPageLayout Report::DefaultPage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 12, 10, 12),
                       QPageLayout::Millimeter);
}

int Report::BodyWidth() const
{
    return int(std::lround(page.paintRect(QPageLayout::Point).width() * TwipsPerPoint));
}

int Report::BodyHeight() const
{
    return int(std::lround(page.paintRect(QPageLayout::Point).height() * TwipsPerPoint));
}
