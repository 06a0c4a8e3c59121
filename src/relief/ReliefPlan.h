#pragma once

#include "relief/ReliefList.h"
#include "relief/ReliefSetModel.h"

#include <QList>
#include <QObject>
#include <QStringList>

// The day's relief plan as the relief set screen keeps it: the rows of the
// relief set, the slot keys of the reliefs chosen so far, and the candidates
// of the lesson being covered. Its operations are what the operator does;
// its signals say what changed, for the screens that show it.
class ReliefPlan : public QObject {
    Q_OBJECT
public:
    explicit ReliefPlan(QObject* parent = nullptr)
        : QObject(parent)
    {
    }

    ReliefSetModel& Model() { return model_; }
    const QList<ReliefRecord>& Rows() const { return model_.Rows(); }
    int RowCount() const { return int(model_.Rows().size()); }

    // One key per row with a relief teacher: its period name followed by that
    // teacher's name. Kept with the rows, so that removing a row removes its
    // key and nothing else.
    QStringList AssignedSlotKeys() const;
    // The relief teacher number of every row, in row order; empty for a row
    // whose relief has not been chosen.
    QStringList ReliefNumbers() const;

    const QList<ReliefCandidate>& Candidates() const { return candidates_; }
    void SetCandidates(const QList<ReliefCandidate>& candidates) { candidates_ = candidates; }
    void ClearCandidates() { candidates_.clear(); }

    // A lesson of an absent teacher to cover, as a new last row.
    void StartLesson(const QString& number, const QString& name, const QString& grade, const QString& period);
    // The relief teacher chosen on the relief list for the last row, as the
    // list shows him; an empty line records the lesson without a teacher.
    void ChooseRelief(const ReliefListRow& candidate, const QString& absentSubject);
    // Whether the last row covers a class that an earlier row already covers
    // in the same period; a group class (ending in "*") is never a duplicate.
    bool LastRowIsDuplicate() const;
    void RemoveLast();
    // The saved set brought back, after the rows there are.
    void AppendSaved(const QList<ReliefRecord>& rows);
    void Clear();

signals:
    // The rows changed in number or content.
    void rowsChanged();
    void lessonStarted();
    void reliefChosen();
    void savedAppended();
    void cleared();

private:
    ReliefSetModel model_;
    QList<ReliefCandidate> candidates_;
};
