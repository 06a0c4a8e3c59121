#include "relief/ReliefReport.h"

#include "report/ReportFont.h"
#include "ui/LogoFile.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {
// Left edges of the columns, in twips; the signature column runs to the right margin.
struct Column {
    const char* heading;
    const char* headingName;
    const char* fieldName;
    ReliefRecord::Column field;
    int left;
};

constexpr Column Columns[] = {
    {"Tea.No", "Label10", "Text7", ReliefRecord::TeaNoP, 0},
    {"Teacher Name", "Label2", "Text2", ReliefRecord::PresenceTea, 720},
    {"Period", "Label12", "Text3", ReliefRecord::Period, 3168},
    {"Grade", "Label4", "Text4", ReliefRecord::Grade, 4032},
    {"Subject", "Label5", "Text5", ReliefRecord::Subject, 4752},
    {"Tea.No.", "Label1", "Text1", ReliefRecord::TeaNo, 6048},
    {"Absence Teacher", "Label3", "Text6", ReliefRecord::AbsenceTea, 6768},
};
constexpr int SignatureLeft = 9792;
constexpr int ColumnCount = int(std::size(Columns));

// Room between a column's edge and its text.
constexpr int Inset = 60;
constexpr int HeaderHeight = 1900;
constexpr int HeadingsHeight = 420;
// High enough for a name on two lines and for a signature.
constexpr int LineHeight = 520;
constexpr int FooterHeight = 400;

int RightOf(int column, int width)
{
    return column + 1 < ColumnCount ? Columns[column + 1].left : std::min(SignatureLeft, width);
}

QRect ColumnText(int left, int right, int top, int height)
{
    return QRect(left + Inset, top, right - left - 2 * Inset, height);
}

// Sets the signature column off from the rest, down the whole list.
ReportItem SignatureRule(int height)
{
    return LineItem(QStringLiteral("SignatureRule"), QPoint(SignatureLeft, 0), QPoint(SignatureLeft, height));
}

Band ReportHeader(int rows, const School& school, const QDate& date, int width)
{
    const int textLeft = 1440 + 240;
    const int textWidth = width - textLeft;
    Band band {HeaderHeight, {}};
    const QImage logo = LoadLogo(school.logoPath);
    if (!logo.isNull())
        band.items << ImageItem(QStringLiteral("Image3"), QRect(0, 0, 1440, 1590), logo);
    band.items << TextItem(QStringLiteral("Label16"), QRect(textLeft, 0, textWidth, 460), school.name,
                           ReportFont(14, true));
    band.items << TextItem(QStringLiteral("Label6"), QRect(textLeft, 500, textWidth, 520),
                           QStringLiteral("Relief Teachers list"), ReportFont(18, true));
    band.items << TextItem(QStringLiteral("Label8"), QRect(textLeft, 1120, textWidth / 2, 320),
                           QString::number(rows) + QStringLiteral(" Record(s)"), ReportFont(10));
    band.items << TextItem(QStringLiteral("Label19"), QRect(textLeft + textWidth / 2, 1120, textWidth / 2, 320),
                           QLocale().toString(date, QLocale::LongFormat), ReportFont(10),
                           Qt::AlignRight | Qt::AlignVCenter);
    band.items << LineItem(QStringLiteral("Line1"), QPoint(0, 1720), QPoint(width, 1720));
    return band;
}

Band ColumnHeadings(int width)
{
    Band band {HeadingsHeight, {BoxItem(QStringLiteral("Shape1"), QRect(0, 0, width, HeadingsHeight))}};
    const QFont font = ReportFont(9, true);
    for (int column = 0; column < ColumnCount; ++column) {
        const Column& c = Columns[column];
        band.items << TextItem(QString::fromLatin1(c.headingName),
                               ColumnText(c.left, RightOf(column, width), 0, HeadingsHeight),
                               QString::fromLatin1(c.heading), font);
    }
    band.items << TextItem(QStringLiteral("Label11"), ColumnText(SignatureLeft, width, 0, HeadingsHeight),
                           QStringLiteral("Signature"), font);
    band.items << SignatureRule(HeadingsHeight);
    return band;
}

Band ReliefLine(const ReliefRecord& row, int width)
{
    Band band {LineHeight, {}};
    const QFont font = ReportFont(9);
    for (int column = 0; column < ColumnCount; ++column) {
        const Column& c = Columns[column];
        band.items << TextItem(QString::fromLatin1(c.fieldName),
                               ColumnText(c.left, RightOf(column, width), 20, LineHeight - 40), row[c.field], font);
    }
    band.items << SignatureRule(LineHeight);
    band.items << LineItem(QStringLiteral("Line2"), QPoint(0, LineHeight - 15), QPoint(width, LineHeight - 15));
    return band;
}

Band PageFooter(int width)
{
    const QFont font = ReportFont(9);
    const int top = 80;
    const int height = 300;
    const int pageLeft = width - 1900;
    return {FooterHeight,
            {TextItem(QStringLiteral("Label13"), QRect(0, top, 160, height), QStringLiteral("*"), ReportFont(9, true)),
             TextItem(QStringLiteral("Label9"), QRect(200, top, 2600, height), QStringLiteral("= Group Subjects"),
                      font),
             TextItem(QStringLiteral("Label15"), QRect(pageLeft, top, 600, height), QStringLiteral("Page"), font,
                      Qt::AlignRight | Qt::AlignVCenter),
             TextItem(QStringLiteral("Label14"), QRect(pageLeft + 600, top, 500, height), QStringLiteral("%p"), font,
                      Qt::AlignCenter),
             TextItem(QStringLiteral("Label24"), QRect(pageLeft + 1100, top, 300, height), QStringLiteral("of"), font,
                      Qt::AlignCenter),
             TextItem(QStringLiteral("Label23"), QRect(pageLeft + 1400, top, 500, height), QStringLiteral("%P"), font,
                      Qt::AlignCenter)}};
}
}

Report ReliefTeachersList(const QList<ReliefRecord>& rows, const School& school, const QDate& date)
{
    Report report;
    report.name = QStringLiteral("DR1");
    report.title = QStringLiteral("Relief Teachers list");
    // Narrow side margins leave the signature column room to sign in.
    report.page.setLeftMargin(6);
    report.page.setRightMargin(6);
    const int width = report.BodyWidth();
    report.reportHeader = ReportHeader(int(rows.size()), school, date, width);
    report.pageHeader = ColumnHeadings(width);
    report.details.reserve(rows.size());
    for (const ReliefRecord& row : rows)
        report.details << ReliefLine(row, width);
    report.pageFooter = PageFooter(width);
    return report;
}
