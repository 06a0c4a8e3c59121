#pragma once

#include "attendance/AttendanceDay.h"
#include "attendance/CoveredLesson.h"
#include "attendance/ListMode.h"
#include "data/Connection.h"
#include "data/TeacherKind.h"
#include "ui/Screen.h"

#include <QDate>
#include <QHash>
#include <QStringList>

#include <array>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ScreenRegistry;

// The daily attendance board: one box per teacher, ticked when present, with
// the teacher's relief kind in the colour of its number; the lists of absent,
// present and all teachers in the selected-numbers grid; and the way to the
// names lists, timetables and relief lists.
class frmAtten : public Screen {
    Q_OBJECT
public:
    static constexpr int BoxCount = BoardBoxes;
    static constexpr int GridCells = 228;

    // A grid cell's meaning, shown as its background colour.
    enum class CellMark { Empty, Absent, PresentReliefOn, PresentReliefFree, Listed };

    explicit frmAtten(ScreenRegistry& registry, QWidget* parent = nullptr);

    // The day's attendance as other screens read it; box i holds the i-th teacher in number order.
    const AttendanceDay& Day() const { return day_; }
    int TeacherCount() const { return day_.Count(); }
    int TeacherNumber(int box) const { return day_.At(box).number; }
    bool IsPresent(int box) const { return day_.IsPresent(box); }
    TeacherKind Kind(int box) const { return day_.At(box).kind; }
    ListMode Mode() const { return listMode_; }

    // The selected-numbers grid: the teacher number in a cell (0 for an empty cell), its meaning,
    // and whether the teacher's timetable has been looked at (the number then shows in cyan).
    int SelectedNumber(int cell) const { return cells_.at(cell).number; }
    CellMark Mark(int cell) const { return cells_.at(cell).mark; }
    void SetVisited(int cell, bool visited);

    // A double-click on a number of the grid: the teacher's presence or absence timetable.
    void Label1_DblClick(int cell);

    // Today's lessons that the relief set covers, as the relief side tells them.
    void SetCoveredLessons(const QList<CoveredLesson>& covered);

signals:
    // "Previous Relief List": the relief side opens the relief set with the saved reliefs.
    void previousReliefListAsked();
    // "History": the relief side shows the saved sets by their day.
    void historyAsked();

private:
    struct GridCell {
        int number = 0;
        CellMark mark = CellMark::Empty;
        bool visited = false;
        QString tooltip;
    };

    void BuildScreen();
    QWidget* BuildBoard();
    QWidget* BuildBoardLegend();
    QWidget* BuildGrid();
    QWidget* BuildGridLegend();
    QWidget* BuildCounters();
    QWidget* BuildToCover();
    QWidget* BuildButtons();

    void Form_Load();
    // The board as a day begins: the grid empty, the counters and commands
    // as at opening, and the ticks kept for that day.
    void StartDay(const QDate& day);
    // Whether the board still belongs to today, asked by every action on it.
    // Once the date has moved on since it opened, the operator is told and
    // the board starts the new day afresh; the action goes no further.
    bool CheckDay();
    std::optional<int> ReadTeachers();
    void BindBoxes();
    bool ReadLessons();
    // "To cover today": the absent teachers' lessons of today, and those covered.
    void ShowToCover();

    // The day's ticks are kept at each change, so that the board opened
    // again the same day shows them; a failure to keep them is told once.
    void RestoreTicks();
    void KeepTicks();

    void BoxToggled(int box, bool ticked);
    void Recount();
    void cmdAbs_Click();
    void cmdPres_Click();
    void cmdAllT_Click();
    void cmdClear_Click();
    void cmdDisplay_Click();

    void EmptyCells();
    void FillCell(int cell, int box, CellMark mark);
    static QString TeacherTooltip(const AttendanceDay::Teacher& teacher);
    static QString NamesCellText(const AttendanceDay::Teacher& teacher);
    QString ListCount() const;
    void ShowCell(int cell);
    void ShowListMode(ListMode mode);
    void ShowGridLegends(ListMode mode);
    void ShowCountColours(const QColor& present, const QColor& absent);

    Connection connection_;
    // The day the board is for: the day it opened, until a new day starts.
    QDate boardDay_;
    AttendanceDay day_;
    std::array<GridCell, GridCells> cells_ {};
    ListMode listMode_ = ListMode::None;
    bool checkAllNext_ = true;
    // Set while a command ticks many boxes, which it then keeps at once.
    bool holdTicks_ = false;
    bool keepFailureTold_ = false;
    QHash<int, QStringList> classes_;
    int periodsInDay_ = 0;
    QList<CoveredLesson> covered_;

    std::array<QCheckBox*, BoxCount> Check1 {};
    std::array<QLabel*, GridCells> Label1 {};
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLabel* lblRec2 = nullptr;
    QLabel* lblToCover = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QPushButton* cmdPres = nullptr;
    QPushButton* cmdAbs = nullptr;
    QPushButton* cmdAllT = nullptr;
    QPushButton* cmdDisplay = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command1 = nullptr;
};
