#include "relief/LoadReport.h"

#include "data/HistoryStore.h"
#include "data/TeacherStore.h"
#include "report/ReportFont.h"
#include "ui/LogoFile.h"

#include <QHash>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {
// Left edges of the columns in twips; the bar column runs to the right margin.
constexpr int NumberLeft = 0;
constexpr int NameLeft = 720;
constexpr int WeekLeft = 4700;
constexpr int RangeLeft = 5800;
constexpr int BarLeft = 6900;

// Room between a column's edge and its text, and at the end of the longest bar.
constexpr int Inset = 60;
constexpr int HeaderHeight = 1900;
constexpr int HeadingsHeight = 420;
constexpr int LineHeight = 360;
constexpr int BarTop = 70;
constexpr int BarHeight = LineHeight - 2 * BarTop;
constexpr int FooterHeight = 400;
// The bar's fill is a grey picture of the bar's own shape, one pixel to this many twips.
constexpr int TwipsPerFillPixel = 15;
const QColor BarFill(170, 170, 170);

QString LongDate(const QDate& day)
{
    return QLocale().toString(day, QLocale::LongFormat);
}

QString DaysText(const DayRange& days)
{
    return QStringLiteral("%1 to %2").arg(LongDate(days.from), LongDate(days.to));
}

// Each teacher's reliefs in the days, by his number.
std::optional<QHash<int, int>> CountsIn(HistoryStore& history, const DayRange& days)
{
    const std::optional<QList<TeacherDayCount>> counts = history.CountsByTeacher(days.from, days.to);
    if (!counts)
        return std::nullopt;
    QHash<int, int> byTeacher;
    for (const TeacherDayCount& count : *counts)
        byTeacher[count.number.toInt()] += count.reliefs;
    return byTeacher;
}

QRect Cell(int left, int right, int top, int height)
{
    return QRect(left + Inset, top, right - left - 2 * Inset, height);
}

Band ReportHeader(const LoadReportLines& loads, const School& school, int width)
{
    const int textLeft = 1440 + 240;
    const int textWidth = width - textLeft;
    Band band {HeaderHeight, {}};
    const QImage logo = LoadLogo(school.logoPath);
    if (!logo.isNull())
        band.items << ImageItem(QStringLiteral("Logo"), QRect(0, 0, 1440, 1590), logo);
    band.items << TextItem(QStringLiteral("SchoolName"), QRect(textLeft, 0, textWidth, 460), school.name,
                           ReportFont(14, true));
    band.items << TextItem(QStringLiteral("Title"), QRect(textLeft, 500, textWidth, 520), QStringLiteral("Relief Load"),
                           ReportFont(18, true));
    band.items << TextItem(QStringLiteral("Range"), QRect(textLeft, 1060, textWidth, 300),
                           QStringLiteral("Reliefs from ") + DaysText(loads.range), ReportFont(10));
    band.items << TextItem(QStringLiteral("Week"), QRect(textLeft, 1360, textWidth, 300),
                           QStringLiteral("This week: ") + DaysText(loads.week), ReportFont(10));
    band.items << LineItem(QStringLiteral("HeaderRule"), QPoint(0, 1720), QPoint(width, 1720));
    return band;
}

Band ColumnHeadings(int largest, int width)
{
    const QFont font = ReportFont(9, true);
    Band band {HeadingsHeight, {BoxItem(QStringLiteral("HeadingBox"), QRect(0, 0, width, HeadingsHeight))}};
    band.items << TextItem(QStringLiteral("NumberHeading"), Cell(NumberLeft, NameLeft, 0, HeadingsHeight),
                           QStringLiteral("Tea.No"), font);
    band.items << TextItem(QStringLiteral("NameHeading"), Cell(NameLeft, WeekLeft, 0, HeadingsHeight),
                           QStringLiteral("Teacher Name"), font);
    band.items << TextItem(QStringLiteral("WeekHeading"), Cell(WeekLeft, RangeLeft, 0, HeadingsHeight),
                           QStringLiteral("This Week"), font, Qt::AlignCenter);
    band.items << TextItem(QStringLiteral("RangeHeading"), Cell(RangeLeft, BarLeft, 0, HeadingsHeight),
                           QStringLiteral("In Range"), font, Qt::AlignCenter);
    band.items << TextItem(QStringLiteral("BarHeading"), Cell(BarLeft, width, 0, HeadingsHeight),
                           QStringLiteral("Reliefs in range"), font);
    // The count that a bar of the column's full length stands for.
    if (largest > 0)
        band.items << TextItem(QStringLiteral("BarScale"), Cell(BarLeft, width, 0, HeadingsHeight),
                               QString::number(largest), font, Qt::AlignRight | Qt::AlignVCenter);
    return band;
}

// A grey bar with a ruled edge; as long as the column when the count is the largest.
void AddBar(Band& band, int count, int largest, int width)
{
    if (count <= 0 || largest <= 0)
        return;
    const int fullLength = width - BarLeft - 2 * Inset;
    const int length = std::max(1, int(std::lround(double(count) * fullLength / largest)));
    const QRect bar(BarLeft + Inset, BarTop, length, BarHeight);
    QImage fill(std::max(1, length / TwipsPerFillPixel), std::max(1, BarHeight / TwipsPerFillPixel),
                QImage::Format_RGB32);
    fill.fill(BarFill);
    band.items << ImageItem(QStringLiteral("BarFill"), bar, fill);
    band.items << BoxItem(QStringLiteral("Bar"), bar);
}

Band LoadLine(const TeacherLoadLine& teacher, int largest, int width)
{
    const QFont font = ReportFont(9);
    const int top = 20;
    const int height = LineHeight - 40;
    Band band {LineHeight, {}};
    band.items << TextItem(QStringLiteral("Number"), Cell(NumberLeft, NameLeft, top, height),
                           QString::number(teacher.number), font);
    band.items << TextItem(QStringLiteral("Name"), Cell(NameLeft, WeekLeft, top, height), teacher.name, font);
    band.items << TextItem(QStringLiteral("ThisWeek"), Cell(WeekLeft, RangeLeft, top, height),
                           QString::number(teacher.thisWeek), font, Qt::AlignCenter);
    band.items << TextItem(QStringLiteral("InRange"), Cell(RangeLeft, BarLeft, top, height),
                           QString::number(teacher.inRange), font, Qt::AlignCenter);
    AddBar(band, teacher.inRange, largest, width);
    band.items << LineItem(QStringLiteral("LineRule"), QPoint(0, LineHeight - 15), QPoint(width, LineHeight - 15));
    return band;
}

Band PageFooter(int width)
{
    return {FooterHeight,
            {TextItem(QStringLiteral("PageNumber"), QRect(width - 2400, 80, 2400, 300), QStringLiteral("Page %p of %P"),
                      ReportFont(9), Qt::AlignRight | Qt::AlignVCenter)}};
}
}

std::optional<LoadReportLines> ReadLoadReportLines(Connection& connection, const DayRange& range, const QDate& today)
{
    LoadReportLines loads {range, SchoolWeekOf(today), {}};
    const std::optional<QList<TeacherSummary>> teachers = TeacherStore(connection).Summaries();
    if (!teachers)
        return std::nullopt;
    HistoryStore history(connection);
    const std::optional<QHash<int, int>> inRange = CountsIn(history, loads.range);
    const std::optional<QHash<int, int>> thisWeek = inRange ? CountsIn(history, loads.week) : std::nullopt;
    if (!thisWeek)
        return std::nullopt;
    loads.teachers.reserve(teachers->size());
    for (const TeacherSummary& teacher : *teachers) {
        const QString name = (teacher.title + QLatin1Char(' ') + teacher.name1).trimmed();
        loads.teachers << TeacherLoadLine {teacher.number, name, thisWeek->value(teacher.number),
                                           inRange->value(teacher.number)};
    }
    return loads;
}

Report ReliefLoadReport(const LoadReportLines& loads, const School& school)
{
    Report report;
    report.name = QStringLiteral("DR3");
    report.title = QStringLiteral("Relief Load");
    const int width = report.BodyWidth();
    int largest = 0;
    for (const TeacherLoadLine& teacher : loads.teachers)
        largest = std::max(largest, teacher.inRange);
    report.reportHeader = ReportHeader(loads, school, width);
    report.pageHeader = ColumnHeadings(largest, width);
    report.details.reserve(loads.teachers.size());
    for (const TeacherLoadLine& teacher : loads.teachers)
        report.details << LoadLine(teacher, largest, width);
    report.pageFooter = PageFooter(width);
    return report;
}
