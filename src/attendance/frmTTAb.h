#pragma once

#include "attendance/CoveredLesson.h"
#include "attendance/LessonHandOver.h"
#include "attendance/TimetableScreen.h"

class QLabel;

// The absence timetable: an absent teacher's week, in red. A double-click on
// a lesson chooses it for relief: the lesson is handed over and marked, and
// the relief side takes it from there.
class frmTTAb : public TimetableScreen {
    Q_OBJECT
public:
    explicit frmTTAb(ScreenRegistry& registry);

    // The teacher's subject, shown under the week, and the subject cells of his lessons.
    void SetSubjects(const QString& subject, const QStringList& lessonSubjects);
    // The subject of the lesson in a slot: its own, or the teacher's where its cell names none.
    QString LessonSubject(int slot) const;

    const LessonHandOver& HandOver() const { return handOver_; }
    void SetHandOver(const LessonHandOver& handOver);
    // Marks a lesson chosen for relief.
    void MarkChosen(int slot);
    // Today's covered lessons, of every absent teacher: those of the teacher
    // shown are drawn green with the relief teacher's name, now and after
    // every fill.
    void SetCoverage(const QList<CoveredLesson>& covered);

signals:
    void lessonChosen(int slot);

protected:
    void CellDoubleClicked(int cell) override;
    void Filled() override;

private:
    void ShowCoverage();

    QList<CoveredLesson> covered_;
    QStringList lessonSubjects_;
    LessonHandOver handOver_;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLabel* Label14 = nullptr;
};
