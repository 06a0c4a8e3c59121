#pragma once

#include "data/Connection.h"
#include "relief/FairDay.h"
#include "ui/Screen.h"

#include <QList>
#include <QString>

#include <optional>

class AttendanceDay;
class QLabel;
class QPushButton;
class QTreeWidget;
class ReliefPlan;

// Fill the Day: a relief teacher proposed for every lesson of today's absent
// teachers that the relief set does not cover yet, each with the reason for
// him. The operator unticks what he does not want; Accept puts the rest into
// the relief set as if each had been chosen on the relief list.
class frmFill : public Screen {
    Q_OBJECT
public:
    explicit frmFill(ScreenRegistry& registry);

private:
    enum Column { PeriodColumn, ClassColumn, AbsentColumn, ReliefColumn, ReasonColumn };

    // A lesson to fill and the teacher the day's plan gives it (-1 for nobody).
    struct Line {
        LessonToFill lesson;
        int teacher = -1;
        QString reason;
    };

    void BuildScreen();
    QWidget* BuildButtons();
    void Form_Load();
    void PlanLines(const ReliefPlan& plan);
    void ShowLines();
    void ShowNothingToFill(const AttendanceDay& board);
    void cmdAccept_Click();
    // Adds the line's row to the set, or completes the row that holds it; false when the class is refused.
    bool Accept(const Line& line, ReliefPlan& plan) const;

    Connection connection_;
    std::optional<FairDay> day_;
    QList<Line> lines_;

    QTreeWidget* lvFill = nullptr;
    QLabel* lblNothing = nullptr;
    QPushButton* cmdAccept = nullptr;
    QPushButton* cmdCancel = nullptr;
};
