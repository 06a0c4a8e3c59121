#include "attendance/frmTTAb.h"

#include "attendance/AttendanceColours.h"
#include "ui/Colours.h"

#include <QHBoxLayout>
#include <QLabel>

#include <algorithm>

frmTTAb::frmTTAb(ScreenRegistry& registry)
    : TimetableScreen(registry, QStringLiteral("Time Table Absence"), AbsenceTimetableColour, QStringLiteral("Label11"))
{
    Label9 = new QLabel(Footer());
    Label9->setObjectName(QStringLiteral("Label9"));
    SetTextColour(Label9, SubjectTextColour);
    auto* footer = static_cast<QHBoxLayout*>(Footer()->layout());
    footer->insertSpacing(3, 16);
    footer->insertWidget(4, Label9);

    // The hand-over is read by the relief side through HandOver(); the labels
    // only mirror it.
    const auto handOverLabel = [this](const QString& name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->hide();
        return label;
    };
    Label10 = handOverLabel(QStringLiteral("Label10"));
    Label12 = handOverLabel(QStringLiteral("Label12"));
    Label13 = handOverLabel(QStringLiteral("Label13"));
    Label14 = handOverLabel(QStringLiteral("Label14"));
    HighlightToday();
}

void frmTTAb::SetSubjects(const QString& subject, const QStringList& lessonSubjects)
{
    Label9->setText(subject);
    lessonSubjects_ = lessonSubjects;
}

QString frmTTAb::LessonSubject(int slot) const
{
    return ::LessonSubject(lessonSubjects_.value(slot), Label9->text());
}

void frmTTAb::SetHandOver(const LessonHandOver& handOver)
{
    handOver_ = handOver;
    const QString slot = handOver.IsSet() ? QString::number(handOver.slot) : QString();
    Label10->setText(slot);
    Label14->setText(slot);
    Label13->setText(handOver.classText);
    Label12->setText(handOver.periodName);
}

void frmTTAb::MarkChosen(int slot)
{
    SetCellColour(slot, ChosenLessonColour);
}

void frmTTAb::SetCoverage(const QList<CoveredLesson>& covered)
{
    covered_ = covered;
    ShowCoverage();
}

void frmTTAb::Filled()
{
    ShowCoverage();
}

// A lesson counts as covered when the set's row names this teacher, its
// period and the class the cell shows.
void frmTTAb::ShowCoverage()
{
    const int teacher = TeacherNumber().toInt();
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (!IsTeachingSlot(slot))
            continue;
        const auto lesson = std::find_if(covered_.begin(), covered_.end(), [&](const CoveredLesson& covered) {
            return covered.teacher == teacher && covered.slot == slot && covered.classText == CellText(slot);
        });
        if (lesson == covered_.end())
            SetCellMark(slot, QColor(), QString());
        else
            SetCellMark(slot, CoveredLessonBackground, QStringLiteral("Covered by %1").arg(lesson->reliefName));
    }
}

// The name cell belongs to the same cells but is no lesson, nor is a cell
// after the school's last period: they start nothing.
void frmTTAb::CellDoubleClicked(int cell)
{
    if (IsTeachingSlot(cell))
        emit lessonChosen(cell);
}
