#include "teachers/TimetableReport.h"

#include "data/Slot.h"
#include "report/ReportFont.h"
#include "teachers/TimetableColours.h"

#include <QImage>

#include <algorithm>

namespace {
const QStringList DayLabels = {"Label1", "Label2", "Label4", "Label3", "Label5"};

// Two blocks fit on a page.
constexpr int BlockHeight = 7695;
constexpr int NumberBoxWidth = 1200;
constexpr int NumberBoxHeight = 760;
constexpr int TeacherLineTop = 880;
constexpr int TeacherLineHeight = 340;
constexpr int GridTop = 1320;
constexpr int PeriodHeadWidth = 900;
constexpr int DayHeadHeight = 340;
constexpr int PeriodHeight = 560;
constexpr int GridBottom = GridTop + DayHeadHeight + PeriodsPerDay * PeriodHeight;
constexpr int Inset = 60;
constexpr int SignatureWidth = 3200;
constexpr int SignatureTop = GridBottom + 760;

QString ClassFieldName(int slot)
{
    return QStringLiteral("Text%1").arg(slot + 1);
}

// The subjects of the second slot on are Text46 to Text84; the first slot's
// subject is the last field, Text85.
QString SubjectFieldName(int slot)
{
    return QStringLiteral("Text%1").arg(slot == 0 ? 85 : slot + 45);
}

void AddHeading(Band& band, const TeacherRow& teacher, int year, const QString& schoolName, int width)
{
    const QFont heading = ReportFont(14, true);
    const QString caption = QStringLiteral("Personal Time Table -");
    const int captionWidth = TextWidth(heading, caption) + 20;
    band.items << TextItem(QStringLiteral("Label6"), QRect(0, 0, captionWidth, 440), caption, heading);
    band.items << TextItem(QStringLiteral("Label18"), QRect(captionWidth + 100, 0, 1200, 440), QString::number(year),
                           heading);
    const QRect numberBox(width - NumberBoxWidth, 0, NumberBoxWidth, NumberBoxHeight);
    band.items << BoxItem(QStringLiteral("Shape2"), numberBox);
    band.items << TextItem(QStringLiteral("Text43"), numberBox.adjusted(Inset, 0, -Inset, 0), teacher.adno1,
                           ReportFont(20, true), Qt::AlignCenter);
    band.items << TextItem(QStringLiteral("Label16"), QRect(0, 460, width - NumberBoxWidth - 200, 360), schoolName,
                           ReportFont(12));
}

void AddTeacherLine(Band& band, const TeacherRow& teacher, int width)
{
    const QFont font = ReportFont(11);
    const QFont bold = ReportFont(11, true);
    const int classLeft = width - 3000;
    band.items << TextItem(QStringLiteral("Text41"), QRect(0, TeacherLineTop, 760, TeacherLineHeight), teacher.title,
                           font);
    band.items << TextItem(QStringLiteral("Text42"), QRect(800, TeacherLineTop, classLeft - 1000, TeacherLineHeight),
                           teacher.name1, bold);
    band.items << TextItem(QStringLiteral("Label19"), QRect(classLeft, TeacherLineTop, 760, TeacherLineHeight),
                           QStringLiteral("Class"), font);
    band.items << TextItem(QStringLiteral("Text44"),
                           QRect(classLeft + 800, TeacherLineTop, width - classLeft - 800, TeacherLineHeight),
                           teacher.class1, bold);
}

void AddGridLines(Band& band, int width, int dayWidth)
{
    band.items << BoxItem(QStringLiteral("Shape1"), QRect(0, GridTop, width, GridBottom - GridTop));
    for (int day = 0; day < DayNames.size(); ++day) {
        const int x = PeriodHeadWidth + day * dayWidth;
        band.items << LineItem(QStringLiteral("DayLine"), QPoint(x, GridTop), QPoint(x, GridBottom));
    }
    for (int period = 0; period < PeriodsPerDay; ++period) {
        const int y = GridTop + DayHeadHeight + period * PeriodHeight;
        band.items << LineItem(QStringLiteral("PeriodLine"), QPoint(0, y), QPoint(width, y));
    }
}

// A period the school does not have is greyed and holds no text.
ReportItem NoPeriod(const QRect& cell)
{
    // Pictures keep their shape: one of the cell's own shape fills the cell.
    QImage grey(std::max(1, cell.width() / 15), std::max(1, cell.height() / 15), QImage::Format_RGB32);
    grey.fill(NoPeriodBackground);
    return ImageItem(QStringLiteral("NoPeriod"), cell, grey);
}

void AddGrid(Band& band, const TeacherRow& teacher, int width, int periodsInDay)
{
    const int dayWidth = (width - PeriodHeadWidth) / int(DayNames.size());
    const QFont head = ReportFont(10, true);
    for (int day = 0; day < DayNames.size(); ++day)
        band.items << TextItem(DayLabels[day],
                               QRect(PeriodHeadWidth + day * dayWidth + Inset, GridTop, dayWidth - 2 * Inset,
                                     DayHeadHeight),
                               DayNames[day], head, Qt::AlignCenter);
    for (int period = 0; period < PeriodsPerDay; ++period)
        band.items << TextItem(QStringLiteral("Label%1").arg(7 + period),
                               QRect(Inset, GridTop + DayHeadHeight + period * PeriodHeight,
                                     PeriodHeadWidth - 2 * Inset, PeriodHeight),
                               PeriodName(period), head, Qt::AlignCenter);
    const QFont classFont = ReportFont(9, true);
    const QFont subjectFont = ReportFont(9);
    for (int slot = 0; slot < SlotCount; ++slot) {
        const int left = PeriodHeadWidth + slot / PeriodsPerDay * dayWidth + Inset;
        const int top = GridTop + DayHeadHeight + slot % PeriodsPerDay * PeriodHeight;
        const int cellWidth = dayWidth - 2 * Inset;
        if (PeriodOf(slot) >= periodsInDay) {
            band.items << NoPeriod(QRect(left - Inset, top, dayWidth, PeriodHeight).adjusted(15, 15, -15, -15));
            continue;
        }
        band.items << TextItem(ClassFieldName(slot), QRect(left, top + 30, cellWidth, 250), teacher.classes[slot],
                               classFont, Qt::AlignCenter);
        band.items << TextItem(SubjectFieldName(slot), QRect(left, top + 280, cellWidth, 250), teacher.subjects[slot],
                               subjectFont, Qt::AlignCenter);
    }
    // Ruled over the greyed periods, so that they stay cells of the grid.
    AddGridLines(band, width, dayWidth);
}

void AddFoot(Band& band, int width)
{
    const QFont font = ReportFont(9);
    band.items << TextItem(QStringLiteral("Label15"), QRect(0, GridBottom + 100, 3000, 300),
                           QStringLiteral("* Group Subjects"), font);
    const int left = width - SignatureWidth;
    band.items << LineItem(QStringLiteral("Line48"), QPoint(left, SignatureTop), QPoint(width, SignatureTop));
    band.items << TextItem(QStringLiteral("Label17"), QRect(left, SignatureTop + 40, SignatureWidth, 300),
                           QStringLiteral("Signature"), font, Qt::AlignCenter);
    band.items << TextItem(QStringLiteral("Label26"), QRect(left, SignatureTop + 340, SignatureWidth, 300),
                           QStringLiteral("Principal"), font, Qt::AlignCenter);
}

Band TeacherBlock(const TeacherRow& teacher, int year, const QString& schoolName, int width, int periodsInDay)
{
    Band band {BlockHeight, {}};
    AddHeading(band, teacher, year, schoolName, width);
    AddTeacherLine(band, teacher, width);
    AddGrid(band, teacher, width, periodsInDay);
    AddFoot(band, width);
    return band;
}
}

Report PersonalTimeTable(const QList<TeacherRow>& teachers, int year, const QString& schoolName, int periodsInDay)
{
    Report report;
    report.name = QStringLiteral("DR2");
    report.title = QStringLiteral("Personal Time Table");
    const int width = report.BodyWidth();
    report.details.reserve(teachers.size());
    for (const TeacherRow& teacher : teachers)
        report.details << TeacherBlock(teacher, year, schoolName, width, periodsInDay);
    return report;
}
