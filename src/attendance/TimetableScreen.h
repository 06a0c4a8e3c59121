#pragma once

#include "data/Slot.h"
#include "ui/Screen.h"

#include <QColor>

#include <array>

class CellLabel;
class QLabel;
class QPushButton;
struct TeacherRow;

// A teacher's week as the attendance board shows it: the classes of five days
// by eight periods, today's column marked, and the counts of working and free
// periods. The presence and the absence timetable differ in their colour and
// in what a double-click on a lesson does.
class TimetableScreen : public Screen {
    Q_OBJECT
public:
    static constexpr int NameCell = SlotCount;

    TimetableScreen(ScreenRegistry& registry, const QString& caption, const QColor& scheme, const QString& numberLabel);

    // Shows a teacher's classes, counts, name and number; cell colours stay as
    // they were. Cells after the school's last period are greyed and empty.
    void FillTimetable(const TeacherRow& row, int periodsInDay);
    // Marks today's day header and cells in the screen's colour; nothing on a weekend.
    void HighlightToday();

    QString TeacherNumber() const;
    QString TeacherName() const;
    QString CellText(int cell) const;
    // Whether a cell is a lesson slot within the school's periods.
    bool IsTeachingSlot(int cell) const { return IsSlot(cell) && IsTeachingPeriod(cell, periodsInDay_); }

protected:
    void SetCellColour(int cell, const QColor& colour);
    // A lesson cell's background and tooltip; without a colour, the plain background.
    void SetCellMark(int cell, const QColor& background, const QString& tooltip);
    // Runs after every fill, for what a screen draws over the teacher's cells.
    virtual void Filled() { }
    virtual void CellDoubleClicked(int cell);
    // The row under the grid, where the counts and Exit stand.
    QWidget* Footer() const { return footer_; }

private:
    void BuildScreen(const QString& numberLabel);
    QLabel* NewHeader(const QString& text, const QString& name);

    QColor scheme_;
    int periodsInDay_ = PeriodsPerDay;
    std::array<CellLabel*, SlotCount + 1> Label1 {};
    std::array<QLabel*, DaysPerWeek> dayHeaders_ {};
    QLabel* numberLabel_ = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* Command1 = nullptr;
    QWidget* footer_ = nullptr;
};
