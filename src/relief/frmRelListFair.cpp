#include "relief/frmRelList.h"

#include "attendance/frmTTAb.h"
#include "relief/ReliefColours.h"
#include "relief/frmList.h"
#include "ui/CellLabel.h"
#include "ui/ScreenRegistry.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>

namespace {
const QString SuggestedMark = QStringLiteral("►");

QString Counted(int count, const QString& one, const QString& many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}
}

void frmRelList::ReadFairDay(const QList<TeacherTimetable>& teachers, const AttendanceDay& board)
{
    const frmTTAb* timetable = registry().Find<frmTTAb>();
    frmList* list = registry().Find<frmList>();
    if (!timetable || !list)
        return;
    fair_ = FairDay::Read(connection_, teachers, board, list->Plan(), list->History(), list->Plan().Day());
    if (fair_)
        lesson_ = fair_->LessonOf(timetable->TeacherNumber(), slot_);
}

// The rules weigh each line as the list shows it: its Free for the lesson's
// day, and the periods already taken out of the list.
void frmRelList::ShowFairness()
{
    QList<RuleTeacher> teachers;
    QList<int> lineOf;
    for (int line = 0; line < lines_.size(); ++line) {
        const RuleTeacher* teacher = fair_ ? fair_->Find(lines_[line].number) : nullptr;
        ShowLineLoad(line, teacher);
        if (!teacher)
            continue;
        RuleTeacher weighed = *teacher;
        weighed.freeLeft = lines_[line].free;
        weighed.relievingIn.clear();
        teachers << weighed;
        lineOf << line;
    }
    const int best = fair_ ? fair_->Rules().Suggest(teachers, lesson_) : -1;
    suggested_ = best < 0 ? -1 : lineOf[best];
    if (suggested_ >= 0) {
        QFont bold = rows_[suggested_].name->font();
        bold.setBold(true);
        rows_[suggested_].name->setFont(bold);
        rows_[suggested_].name->SetMark(SuggestedMark);
        lblSuggest->setText(SuggestionText(suggested_, teachers[best]));
    } else {
        lblSuggest->setText(lines_.isEmpty() || !fair_
                                ? QString()
                                : QStringLiteral("No suggestion: every teacher free then has reached a limit."));
    }
    Select(suggested_ >= 0 ? suggested_ : (lines_.isEmpty() ? -1 : 0));
}

void frmRelList::ShowLineLoad(int line, const RuleTeacher* teacher)
{
    const RowCells& cells = rows_[line];
    QString tip = lines_[line].name;
    QString limit;
    if (teacher) {
        tip += '\n' + ReliefLoads::Summary(teacher->load);
        limit = fair_->Rules().LimitReached(*teacher);
        if (!limit.isEmpty())
            tip += '\n' + limit;
    }
    for (QLabel* label : {cells.number, static_cast<QLabel*>(cells.name), cells.subject, cells.free, cells.totalFree}) {
        QFont font = this->font();
        font.setStrikeOut(!limit.isEmpty());
        label->setFont(font);
        label->setToolTip(tip);
    }
    cells.name->SetMark(QString());
}

// "Suggested: Mr. N. Perera — 3 free periods left today, 1 relief this week, 4 this term, teaches Maths"
QString frmRelList::SuggestionText(int line, const RuleTeacher& teacher) const
{
    QStringList why = {Counted(lines_[line].free, QStringLiteral("free period left today"),
                               QStringLiteral("free periods left today")),
                       Counted(teacher.load.Week(), QStringLiteral("relief this week"),
                               QStringLiteral("reliefs this week")),
                       QStringLiteral("%1 this term").arg(teacher.load.term)};
    const QString teaches = ReliefRules::Teaches(teacher, lesson_);
    if (!teaches.isEmpty())
        why << QStringLiteral("teaches ") + teaches;
    return QStringLiteral("Suggested: %1 — %2").arg(lines_[line].name, why.join(QStringLiteral(", ")));
}

void frmRelList::Select(int line)
{
    const auto paint = [this](int row, bool selected) {
        if (row < 0 || row >= rows_.size())
            return;
        const RowCells& cells = rows_[row];
        for (QLabel* label :
             {cells.number, static_cast<QLabel*>(cells.name), cells.subject, cells.free, cells.totalFree}) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::Window, SelectedLineColour);
            label->setPalette(palette);
            label->setAutoFillBackground(selected);
        }
    };
    paint(selected_, false);
    selected_ = line;
    paint(selected_, true);
    if (selected_ >= 0)
        blocksArea_->ensureWidgetVisible(rows_[selected_].name);
}

void frmRelList::keyPressEvent(QKeyEvent* event)
{
    const int last = int(lines_.size()) - 1;
    const auto moveBy = [this, last](int step) {
        if (selected_ >= 0)
            Select(std::clamp(selected_ + step, 0, last));
    };
    switch (event->key()) {
    case Qt::Key_Down: return moveBy(1);
    case Qt::Key_Up: return moveBy(-1);
    case Qt::Key_Right: return moveBy(BlockRows);
    case Qt::Key_Left: return moveBy(-BlockRows);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (selected_ >= 0)
            LblName_DblClick(selected_);
        return;
    case Qt::Key_Escape: return Command2_Click();
    default: Screen::keyPressEvent(event);
    }
}
