#pragma once

#include "data/Connection.h"
#include "relief/ReliefLoad.h"
#include "relief/ReliefPlan.h"
#include "ui/Screen.h"

class QLabel;
class QPushButton;
class QTreeView;

// The relief set: the day's reliefs being planned, one row per lesson of an
// absent teacher, with the teacher chosen to cover it.
class frmList : public Screen {
    Q_OBJECT
public:
    explicit frmList(ScreenRegistry& registry);

    ReliefPlan& Plan() { return plan_; }
    // The history's loads, read once a day for the relief lists and Fill the Day.
    LoadHistory& History() { return history_; }

    // What the other screens' events do to this one, beside changes of the plan.
    void ReliefListLeft();
    void OpenedFromBoard();

    // Whether the set still belongs to today, asked by every action on it.
    // Once the date has moved on since the set was planned, the operator is
    // told: the set is printed and saved under its own day if he wants it,
    // and the new day starts afresh; the action goes no further then. An
    // empty set simply moves on to the new day.
    bool CheckDay();

    // The hidden count of the last relief list's candidates.
    void ShowCandidateCount(int count);
    // Leaves the relief list as its Exit does.
    void LeaveReliefList();

private:
    void BuildScreen();
    void ShowPlanChanges();
    // "Record(s) Listed": the rows of the list.
    void ShowListedCount();
    // The row of the lesson being covered, or else the last.
    void SelectLessonRow();
    QWidget* BuildCounters();
    QWidget* BuildButtons();
    void Form_Load();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void cmdFill_Click();
    void RemoteClick();
    // Saves the set under its day and shows its relief teachers list; whether it was saved.
    bool PrintAndSaveSet();
    // Print and Save's checks and questions before it saves: nothing held
    // twice, another day's reliefs as this day's, and lessons that would be
    // printed as covered by a helper.
    bool ConfirmPrintAndSave();
    // Print and Save of an empty list: the reliefs saved for the set's day
    // are removed, after a question naming them, or there is nothing to do.
    void RemoveSavedDay();
    // The set empty for the new day, with its buttons as when it opens, and
    // the screens of the day before closed.
    void StartDay(const QDate& day);
    // "Record(s) in DB": the rows of the relief table.
    void ShowSavedCount();

    // The day's set under way is kept at each change, so that it outlives
    // the screen and the program; a failure to keep it is told once.
    void RestoreDaySet();
    void KeepDaySet();
    // "lblSetDay": the day the rows are planned for, and whether they are that day's saved set.
    void ShowSetDay();
    bool IsSavedSet(const QDate& day);

    ReliefPlan plan_;
    LoadHistory history_;
    Connection connection_;
    bool keepFailureTold_ = false;

    QLabel* lblSetDay = nullptr;
    QTreeView* lvmem = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* cmdFill = nullptr;
    QPushButton* Command6 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* cmdExit = nullptr;
    QPushButton* Command1 = nullptr;
};
