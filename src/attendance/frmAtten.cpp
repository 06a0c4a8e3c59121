#include "attendance/frmAtten.h"

#include "attendance/AttendanceColours.h"
#include "attendance/frmTT.h"
#include "attendance/frmTTAb.h"
#include "data/AttendanceStore.h"
#include "data/ProgramSettings.h"
#include "data/TeacherStore.h"
#include "ui/Clock.h"
#include "ui/Colours.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>

frmAtten::frmAtten(ScreenRegistry& registry, QWidget* parent)
    : Screen(registry, parent)
{
    BuildScreen();
    for (int box = 0; box < BoxCount; ++box)
        connect(Check1[box], &QCheckBox::toggled, this, [this, box](bool ticked) { BoxToggled(box, ticked); });
    const auto onTheDay = [this](QPushButton* button, void (frmAtten::*handler)()) {
        connect(button, &QPushButton::clicked, this, [this, handler] {
            if (CheckDay())
                (this->*handler)();
        });
    };
    onTheDay(cmdAbs, &frmAtten::cmdAbs_Click);
    onTheDay(cmdPres, &frmAtten::cmdPres_Click);
    onTheDay(cmdAllT, &frmAtten::cmdAllT_Click);
    onTheDay(cmdClear, &frmAtten::cmdClear_Click);
    onTheDay(cmdDisplay, &frmAtten::cmdDisplay_Click);
    onTheDay(Command1, &frmAtten::previousReliefListAsked);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void frmAtten::Form_Load()
{
    if (!OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    const std::optional<int> rows = ReadTeachers();
    if (!rows || !ReadLessons()) {
        ReportReadFailure(connection_, registry());
        return LoadFailed();
    }
    BindBoxes();
    lblRec2->setText(QString::number(TeacherCount()));
    StartDay(registry().clock().Today());
    if (*rows > BoxCount) {
        registry().prompter().Report(QStringLiteral("There are %1 teachers, but the attendance board holds only %2. "
                                                    "The teachers after number %3 are not on the board.")
                                         .arg(*rows)
                                         .arg(BoxCount)
                                         .arg(TeacherNumber(TeacherCount() - 1)),
                                     QStringLiteral("Teachers' Attendance"), MessageIcon::Exclamation);
    }
}

void frmAtten::StartDay(const QDate& day)
{
    boardDay_ = day;
    for (QPushButton* button : {cmdDisplay, cmdPres, cmdAbs, cmdAllT})
        button->setEnabled(false);
    for (QLineEdit* count : {Text1, Text2}) {
        count->setText(QStringLiteral(" "));
        count->setPalette(QPalette());
        SetBackground(count, CountBackground);
    }
    checkAllNext_ = true;
    cmdClear->setText(QStringLiteral("Check All"));
    ShowToCover();
    ShowListMode(ListMode::None);
    ShowGridLegends(ListMode::None);
    cells_ = {};
    for (int cell = 0; cell < GridCells; ++cell)
        ShowCell(cell);
    RestoreTicks();
}

bool frmAtten::CheckDay()
{
    const QDate today = registry().clock().Today();
    if (today == boardDay_)
        return true;
    const QDate opened = boardDay_;
    StartDay(today);
    const auto dayText = [](const QDate& day) { return QLocale::system().toString(day, QLocale::LongFormat); };
    registry().prompter().Report(QStringLiteral("The date has changed: this board was opened for %1, and today is %2. "
                                                "The board now starts %2 afresh: tick the teachers present today.")
                                     .arg(dayText(opened), dayText(today)),
                                 QStringLiteral("New Day"), MessageIcon::Information);
    return false;
}

// Reads the teachers in number order and keeps the first 220 for the boxes;
// gives the number of teachers in the table, nothing when it cannot be read.
std::optional<int> frmAtten::ReadTeachers()
{
    const std::optional<QList<TeacherSummary>> teachers = TeacherStore(connection_).Summaries();
    if (!teachers)
        return std::nullopt;
    QList<AttendanceDay::Teacher> bound;
    for (const TeacherSummary& teacher : teachers->mid(0, BoxCount))
        bound << AttendanceDay::Teacher {teacher.number, teacher.title, teacher.name1, teacher.kind};
    day_.Bind(bound);
    return int(teachers->size());
}

// Box i carries the i-th teacher's number, name and kind. The boxes after the
// last teacher go on numbering from there and stay disabled.
void frmAtten::BindBoxes()
{
    int number = 0;
    for (int box = 0; box < BoxCount; ++box) {
        QCheckBox* check = Check1[box];
        const bool bound = box < TeacherCount();
        number = bound ? TeacherNumber(box) : number + 1;
        check->setText(QString::number(number));
        check->setEnabled(bound);
        if (!bound)
            continue;
        const AttendanceDay::Teacher& teacher = day_.At(box);
        check->setToolTip(teacher.title + ' ' + teacher.name1);
        if (teacher.kind == TeacherKind::SubstitutionAttach)
            SetTextColour(check, SubstitutionAttachColour);
        else if (teacher.kind == TeacherKind::ReliefFree)
            SetTextColour(check, ReliefFreeColour);
    }
}

// Runs after every change of a box, by the operator or by a command.
void frmAtten::BoxToggled(int box, bool ticked)
{
    if (!holdTicks_ && !CheckDay())
        return;
    if (box < TeacherCount())
        day_.SetPresent(box, ticked);
    Recount();
    if (!holdTicks_)
        KeepTicks();
}

void frmAtten::RestoreTicks()
{
    const std::optional<QHash<int, bool>> kept = AttendanceStore(connection_).Read(boardDay_);
    if (!kept) {
        ReportReadFailure(connection_, registry());
        return;
    }
    day_.SetPresence(*kept);
    for (int box = 0; box < TeacherCount(); ++box) {
        const QSignalBlocker quiet(Check1[box]);
        Check1[box]->setChecked(IsPresent(box));
    }
    if (day_.PresentCount() > 0)
        Recount();
}

void frmAtten::KeepTicks()
{
    if (AttendanceStore(connection_).Replace(boardDay_, day_.Presence()) || keepFailureTold_)
        return;
    keepFailureTold_ = true;
    registry().prompter().Report(connection_.LastError().Text()
                                     + QStringLiteral("\n\nToday's attendance cannot be kept in the database. The "
                                                      "ticks stay on the board while it is open, but will not come "
                                                      "back if it is closed."),
                                 QStringLiteral("Teachers' Attendance"), MessageIcon::Exclamation);
}

void frmAtten::Recount()
{
    const int present = day_.PresentCount();
    Text1->setText(QString::number(present));
    Text2->setText(QString::number(TeacherCount() - present));
    if (present > 0) {
        cmdPres->setEnabled(true);
        cmdAbs->setEnabled(true);
        cmdAllT->setEnabled(false);
        cmdDisplay->setEnabled(false);
    }
    ShowToCover();
}

void frmAtten::SetVisited(int cell, bool visited)
{
    cells_.at(cell).visited = visited;
    ShowCell(cell);
}

void frmAtten::Label1_DblClick(int cell)
{
    if (!CheckDay())
        return;
    const GridCell& state = cells_.at(cell);
    if (state.number == 0) {
        registry().prompter().Report(QStringLiteral("Empty Label"), QStringLiteral("Error"), MessageIcon::Exclamation);
        return;
    }
    const bool present = state.mark == CellMark::PresentReliefOn || state.mark == CellMark::PresentReliefFree;
    if (!present && state.mark != CellMark::Absent)
        return;
    const TeacherLookup teacher = TeacherStore(connection_).Find(state.number);
    if (teacher.readFailed) {
        ReportReadFailure(connection_, registry());
        return;
    }
    if (!teacher.row) {
        registry().prompter().Report(QStringLiteral("Teacher %1 is no longer in the register.").arg(state.number),
                                     QStringLiteral("Error"), MessageIcon::Exclamation);
        return;
    }
    const TeacherRow& row = *teacher.row;
    const int periodsInDay = ProgramSettings(connection_).PeriodsInDay();
    if (present) {
        if (auto* timetable = registry().Open<frmTT>())
            timetable->FillTimetable(row, periodsInDay);
        return;
    }
    if (auto* timetable = registry().Open<frmTTAb>()) {
        timetable->FillTimetable(row, periodsInDay);
        timetable->SetSubjects(row.subject, row.subjects);
        timetable->HighlightToday();
        SetVisited(cell, true);
    }
}
