#include "report/ReportFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <cmath>

namespace {
QString ReportFamily()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Arial")) ? QStringLiteral("Arial")
                                                                                    : QStringLiteral("Liberation Sans");
    return family;
}
}

// Pages are drawn with the painter's window in twips, so the type is sized in
// the same unit rather than in points, which would follow the device's resolution.
QFont ReportFont(double points, bool bold)
{
    QFont font(ReportFamily());
    font.setPixelSize(int(std::lround(points * TwipsPerPoint)));
    font.setBold(bold);
    return font;
}

int TextWidth(const QFont& font, const QString& text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}
