#pragma once

#include "data/PlannedSetStore.h"
#include "relief/ReliefList.h"
#include "relief/ReliefSetModel.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

// A lesson of an absent teacher as a row of the relief set, without a relief teacher yet.
ReliefRecord UncoveredLesson(const QString& number, const QString& name, const QString& grade, const QString& period);

// The day's relief plan as the relief set screen keeps it: the rows of the
// relief set, each with the day it was planned for and its slot key, and the
// candidates of the lesson being covered. The set is planned for one day,
// the day its screen was opened, and holds each lesson once. Its operations
// are what the operator does; its signals say what changed, for the screens
// that show it.
class ReliefPlan : public QObject {
    Q_OBJECT
public:
    explicit ReliefPlan(const QDate& day, QObject* parent = nullptr)
        : QObject(parent)
        , day_(day)
    {
    }

    ReliefSetModel& Model() { return model_; }
    // The day the set is planned for.
    const QDate& Day() const { return day_; }
    const QList<ReliefRecord>& Rows() const { return model_.Rows(); }
    int RowCount() const { return int(model_.Rows().size()); }
    // The rows with their days and keys, as the day's set under way is kept.
    QList<PlannedRelief> Planned() const;

    // The row holding the lesson of this row (see SameLesson) as planned for
    // that day, or -1 when the set does not hold it.
    int RowOfLesson(const ReliefRecord& lesson, const QDate& plannedFor) const;
    // The row of the lesson whose relief is being chosen: the one last
    // started or taken up again, or -1 when it is no longer in the set.
    int LessonRow() const { return lessonRow_; }

    // The keys of the rows that hold one: a relief chosen for the set's day, its
    // period name followed by the relief teacher's name. Rows of another
    // day's set hold none, as their periods were that day's.
    QStringList AssignedSlotKeys() const;
    // The relief teacher number of every row, in row order; empty for a row
    // whose relief has not been chosen.
    QStringList ReliefNumbers() const;
    // The day of the rows not planned for the set's day (null for a set saved
    // before days were kept), or nothing when every row is that day's.
    std::optional<QDate> AnotherDay() const;
    // The rows that have no relief teacher.
    int UncoveredCount() const;

    const QList<ReliefCandidate>& Candidates() const { return candidates_; }
    void SetCandidates(const QList<ReliefCandidate>& candidates) { candidates_ = candidates; }
    void ClearCandidates() { candidates_.clear(); }

    // A lesson of an absent teacher to cover on the set's day, as a new last
    // row; callers take up a lesson the set holds already (TakeUpLesson)
    // rather than start it again.
    void StartLesson(const QString& number, const QString& name, const QString& grade, const QString& period);
    // A lesson the set holds, as the one whose relief is now being chosen.
    void TakeUpLesson(int row);
    // The relief teacher chosen on the relief list for the lesson being
    // covered (without one, the last row), as the list shows him, with the
    // subject of the lesson; an empty line records the lesson without a
    // teacher.
    void ChooseRelief(const ReliefListRow& candidate, const QString& subject);
    // The same for a row started earlier and left without a relief teacher.
    void ChooseReliefFor(int row, const ReliefListRow& candidate, const QString& subject);
    // Whether the last row covers a class that an earlier row already covers
    // in the same period of the same day; a group class (ending in "*") is
    // never a duplicate.
    bool LastRowIsDuplicate() const;
    void RemoveLast();
    // The saved set brought back, after the rows there are, as planned for
    // its day: rows of the set's day keep their keys, another day's hold
    // none. A lesson the set holds already is not added again.
    void AppendSaved(const QList<ReliefRecord>& rows, const QDate& plannedFor);
    // The rows kept for the set's day, in place of the plan's, as they were,
    // each lesson once.
    void Restore(const QList<PlannedRelief>& rows);
    // Every row now planned for the set's day, as once another day's set is saved as this day's.
    void PlanAllForTheDay();
    void Clear();
    // An empty set for another day.
    void StartDay(const QDate& day);
    // Runs many operations as one change: rowsChanged comes once, at the
    // end, then the last of lessonStarted and reliefChosen that was due.
    void AsOneChange(const std::function<void()>& steps);

signals:
    // The rows changed in number, content or day.
    void rowsChanged();
    void lessonStarted();
    void reliefChosen();
    void savedAppended();
    void cleared();

private:
    struct RowDay {
        QDate plannedFor;
        QString slotKey;
    };

    // The key a row planned for that day holds: one for a relief teacher
    // chosen for the set's day, none otherwise.
    QString KeyOf(const ReliefRecord& row, const QDate& plannedFor) const;
    // The signals, held back while AsOneChange runs.
    void RowsChanged();
    void LessonStarted();
    void ReliefChosen();
    void Append(const ReliefRecord& row, const QDate& plannedFor);

    QDate day_;
    ReliefSetModel model_;
    QList<RowDay> days_;
    QList<ReliefCandidate> candidates_;
    int lessonRow_ = -1;
    // Without member initialisers, which a member of the class being defined
    // cannot use yet; emplace() value-initialises it: nothing held back.
    struct HeldBack {
        bool rowsChanged;
        void (ReliefPlan::*last)();
    };
    std::optional<HeldBack> heldBack_;
};
