#include "attendance/frmAtten.h"

#include "attendance/AttendanceColours.h"
#include "attendance/frmTeaName.h"
#include "ui/Colours.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

namespace {
QColor CellColour(frmAtten::CellMark mark)
{
    switch (mark) {
    case frmAtten::CellMark::Absent: return AbsentColour;
    case frmAtten::CellMark::PresentReliefOn: return PresentColour;
    case frmAtten::CellMark::PresentReliefFree: return ReliefFreeColour;
    case frmAtten::CellMark::Listed: return ListedColour;
    case frmAtten::CellMark::Empty: break;
    }
    return EmptyCellColour;
}
}

void frmAtten::cmdAbs_Click()
{
    EmptyCells();
    int cell = 0;
    for (int box = 0; box < TeacherCount(); ++box) {
        if (!IsPresent(box) && Kind(box) != TeacherKind::SubstitutionAttach)
            FillCell(cell++, box, CellMark::Absent);
    }
    ShowCountColours(PresentColour, AbsentColour);
    ShowListMode(ListMode::Absence);
    cmdDisplay->setEnabled(true);
    ShowGridLegends(ListMode::Absence);
}

void frmAtten::cmdPres_Click()
{
    EmptyCells();
    int cell = 0;
    for (int box = 0; box < TeacherCount(); ++box) {
        if (IsPresent(box) && Kind(box) != TeacherKind::SubstitutionAttach)
            FillCell(cell++, box,
                     Kind(box) == TeacherKind::ReliefFree ? CellMark::PresentReliefFree : CellMark::PresentReliefOn);
    }
    ShowCountColours(PresentColour, AbsentColour);
    ShowListMode(ListMode::Presence);
    cmdDisplay->setEnabled(true);
    ShowGridLegends(ListMode::Presence);
}

void frmAtten::cmdAllT_Click()
{
    EmptyCells();
    int cell = 0;
    for (int box = 0; box < TeacherCount(); ++box) {
        if (Check1[box]->isEnabled())
            FillCell(cell++, box, CellMark::Listed);
    }
    ShowListMode(ListMode::AllTeachers);
    cmdDisplay->setEnabled(true);
    for (QPushButton* button : {cmdPres, cmdAbs, cmdAllT})
        button->setEnabled(false);
}

// Ticks every teacher's box, or clears the board and its list; the button
// alternates between the two.
void frmAtten::cmdClear_Click()
{
    const bool checkAll = checkAllNext_;
    {
        const QScopedValueRollback hold(holdTicks_, true);
        for (int box = 0; box < TeacherCount(); ++box)
            Check1[box]->setChecked(checkAll);
    }
    KeepTicks();
    if (!checkAll) {
        EmptyCells();
        for (QLineEdit* count : {Text1, Text2}) {
            count->clear();
            SetBackground(count, ClearedCountBackground);
            SetTextColour(count, Qt::black);
        }
        for (QPushButton* button : {cmdAbs, cmdPres, cmdDisplay})
            button->setEnabled(false);
        cmdAllT->setEnabled(true);
    }
    checkAllNext_ = !checkAll;
    cmdClear->setText(checkAllNext_ ? QStringLiteral("Check All") : QStringLiteral("Clear All"));
}

void frmAtten::cmdDisplay_Click()
{
    QStringList names;
    for (int cell = 0; cell < BoxCount; ++cell)
        names << (cells_[cell].number > 0 ? NamesCellText(day_.At(day_.BoxOf(cells_[cell].number))) : QString());
    if (auto* screen = registry().Show<frmTeaName>())
        screen->ShowList(listMode_, ListCount(), names);
}

// The count the names list is headed with: present, absent or all teachers.
QString frmAtten::ListCount() const
{
    switch (listMode_) {
    case ListMode::Presence: return Text1->text();
    case ListMode::Absence: return Text2->text();
    case ListMode::AllTeachers: return lblRec2->text();
    case ListMode::None: break;
    }
    return {};
}

void frmAtten::EmptyCells()
{
    for (int cell = 0; cell < TeacherCount(); ++cell) {
        cells_[cell].number = 0;
        cells_[cell].mark = CellMark::Empty;
        cells_[cell].tooltip.clear();
        ShowCell(cell);
    }
}

// Lists a box's teacher in a cell. Absence and Presence show the number in
// black again; All Names leaves the text colour as it was.
void frmAtten::FillCell(int cell, int box, CellMark mark)
{
    GridCell& target = cells_[cell];
    target.number = TeacherNumber(box);
    target.mark = mark;
    target.tooltip = TeacherTooltip(day_.At(box));
    if (mark != CellMark::Listed)
        target.visited = false;
    ShowCell(cell);
}

// Names come from the board's own list, read when it opened, so that listing
// 220 teachers reads nothing more and cannot fail half-way.
QString frmAtten::TeacherTooltip(const AttendanceDay::Teacher& teacher)
{
    return teacher.title + ' ' + teacher.name1;
}

QString frmAtten::NamesCellText(const AttendanceDay::Teacher& teacher)
{
    return QString::number(teacher.number) + QStringLiteral(".  ") + teacher.title + teacher.name1;
}

void frmAtten::ShowCell(int cell)
{
    const GridCell& state = cells_[cell];
    QLabel* label = Label1[cell];
    label->setText(state.number > 0 ? QString::number(state.number) : QString());
    label->setToolTip(state.tooltip);
    SetBackground(label, CellColour(state.mark));
    SetTextColour(label, state.visited ? VisitedTextColour : QColor(Qt::black));
}

void frmAtten::ShowListMode(ListMode mode)
{
    listMode_ = mode;
    switch (mode) {
    case ListMode::Absence:
        cmdDisplay->setText(QStringLiteral("Abs: Names"));
        SetBackground(cmdDisplay, AbsentColour);
        break;
    case ListMode::Presence:
        cmdDisplay->setText(QStringLiteral("Pre: Names"));
        SetBackground(cmdDisplay, PresenceButtonColour);
        break;
    case ListMode::AllTeachers:
        cmdDisplay->setText(QStringLiteral("All Teachers"));
        SetBackground(cmdDisplay, ListedColour);
        break;
    case ListMode::None:
        cmdDisplay->setText(QStringLiteral("Names"));
        cmdDisplay->setPalette(QPalette());
        cmdDisplay->setAutoFillBackground(false);
        break;
    }
}

void frmAtten::ShowGridLegends(ListMode mode)
{
    const bool absence = mode == ListMode::Absence;
    const bool presence = mode == ListMode::Presence;
    Label6->setVisible(absence);
    Label11->setVisible(absence);
    for (QLabel* legend : {Label7, Label8, Label10, Label12})
        legend->setVisible(presence);
}

void frmAtten::ShowCountColours(const QColor& present, const QColor& absent)
{
    SetBackground(Text1, present);
    SetTextColour(Text1, Qt::white);
    SetBackground(Text2, absent);
    SetTextColour(Text2, Qt::black);
}
