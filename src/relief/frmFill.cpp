#include "relief/frmFill.h"

#include "attendance/AttendanceDay.h"
#include "attendance/frmAtten.h"
#include "data/Slot.h"
#include "relief/DayPlan.h"
#include "relief/ReliefColours.h"
#include "relief/ReliefList.h"
#include "relief/frmList.h"
#include "ui/Clock.h"
#include "ui/DatabaseConnection.h"
#include "ui/Prompter.h"
#include "ui/ScreenRegistry.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString NoTeacherFree = QStringLiteral("no teacher free");

// The relief list's line for the teacher, as it would show him for this
// period with the set as it stands: only its texts go into the row.
ReliefListRow ReliefLine(const ReliefPlan& plan, const RuleTeacher& teacher, const QString& period)
{
    const ReliefCandidate candidate {SlotKey(period, teacher.name), teacher.number, teacher.name, teacher.subject, 0};
    return FillRows({candidate}, plan.AssignedSlotKeys().isEmpty(), plan.ReliefNumbers()).first();
}
}

frmFill::frmFill(ScreenRegistry& registry)
    : Screen(registry)
{
    setWindowTitle(QStringLiteral("Fill the Day"));
    setWindowModality(Qt::ApplicationModal);
    BuildScreen();
    connect(cmdAccept, &QPushButton::clicked, this, &frmFill::cmdAccept_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    Form_Load();
}

void frmFill::Form_Load()
{
    const frmAtten* board = registry().Find<frmAtten>();
    if (!board) {
        registry().prompter().Report(
            QStringLiteral("Nobody is marked present: the attendance board is closed. Open the attendance board, tick "
                           "the teachers who are present today, and fill the day again."),
            {}, MessageIcon::Exclamation);
        return LoadFailed();
    }
    frmList* list = registry().Open<frmList>();
    if (!list || !OpenDatabaseForScreen(connection_, registry()))
        return LoadFailed();
    day_ = FairDay::Read(connection_, board->Day(), list->Plan(), list->History(), list->Plan().Day());
    if (!day_) {
        ReportReadFailure(connection_, registry());
        return LoadFailed();
    }
    PlanLines(list->Plan());
    if (lines_.isEmpty())
        ShowNothingToFill(board->Day());
    else
        ShowLines();
}

// The day's plan for the lessons still to fill, all at once.
void frmFill::PlanLines(const ReliefPlan& plan)
{
    const QList<LessonToFill> toFill = day_->ToFill(plan);
    QList<RuleLesson> lessons;
    for (const LessonToFill& lesson : toFill)
        lessons << lesson.lesson;
    const QList<PlannedLesson> planned = PlanDay(day_->Teachers(), lessons, day_->Rules());
    for (int index = 0; index < toFill.size(); ++index)
        lines_ << Line {toFill[index], planned[index].teacher, planned[index].reason};
}

// One ticked line per lesson; a lesson nobody can take is listed unticked, and stays so.
void frmFill::ShowLines()
{
    QList<QTreeWidgetItem*> items;
    for (const Line& line : lines_) {
        const bool covered = line.teacher >= 0;
        const QString& reason = line.reason;
        auto* item = new QTreeWidgetItem(
            {PeriodName(line.lesson.lesson.slot), line.lesson.lesson.grade, line.lesson.absentName,
             covered ? day_->Teachers()[line.teacher].name.trimmed() : NoTeacherFree, reason});
        item->setToolTip(ReasonColumn, reason);
        item->setCheckState(PeriodColumn, covered ? Qt::Checked : Qt::Unchecked);
        if (!covered) {
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
            for (int column = 0; column < lvFill->columnCount(); ++column)
                item->setBackground(column, UncoveredRowColour);
        }
        items << item;
    }
    lvFill->addTopLevelItems(items);
}

// Nothing to propose: the list's place says why.
void frmFill::ShowNothingToFill(const AttendanceDay& board)
{
    const QDate today = registry().clock().Today();
    if (today.dayOfWeek() > DaysPerWeek)
        lblNothing->setText(QStringLiteral("Today is %1: there are no lessons to cover.")
                                .arg(QLocale::system().dayName(today.dayOfWeek())));
    else if (board.PresentCount() == board.Count())
        lblNothing->setText(QStringLiteral("Nobody is marked absent today: there are no lessons to cover."));
    else
        lblNothing->setText(QStringLiteral("Every lesson of today's absent teachers has a relief teacher."));
    lvFill->hide();
    lblNothing->show();
    cmdAccept->setEnabled(false);
}

// Accept: the ticked lines go into the relief set in the list's order, then the screen closes.
void frmFill::cmdAccept_Click()
{
    frmList* list = registry().Find<frmList>();
    if (list && !list->CheckDay()) {
        close();
        return;
    }
    bool refused = false;
    // One change of the set for the whole day, kept and drawn once.
    if (list) {
        list->Plan().AsOneChange([&] {
            for (int index = 0; index < lines_.size(); ++index) {
                if (lvFill->topLevelItem(index)->checkState(PeriodColumn) == Qt::Checked)
                    refused |= !Accept(lines_[index], list->Plan());
            }
        });
    }
    if (refused)
        registry().prompter().Report(QStringLiteral("Class Duplicate or Free Period"));
    close();
}

// As the operator does it: a lesson chosen on the absence timetable starts a
// row, refused when an earlier row covers the class in that period; the
// teacher chosen on the relief list completes it.
bool frmFill::Accept(const Line& line, ReliefPlan& plan) const
{
    const QString period = PeriodName(line.lesson.lesson.slot);
    int row = line.lesson.row;
    if (row < 0) {
        plan.StartLesson(line.lesson.absentNumber, line.lesson.absentName, line.lesson.lesson.grade, period);
        if (plan.LastRowIsDuplicate()) {
            plan.RemoveLast();
            return false;
        }
        row = plan.RowCount() - 1;
    }
    plan.ChooseReliefFor(row, ReliefLine(plan, day_->Teachers()[line.teacher], period), line.lesson.subject);
    return true;
}
