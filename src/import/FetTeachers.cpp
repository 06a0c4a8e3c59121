#include "import/FetTeachers.h"

#include "data/FieldLimits.h"

#include <QSet>

namespace {
const QString Blank = QStringLiteral("-");

// A FET file gives no title and none of the teacher's own fields.
TeacherRow OffWeek(const QString& name)
{
    TeacherRow row;
    row.name1 = name;
    row.title = Blank;
    row.comname = Blank;
    row.subject = Blank;
    row.class1 = Blank;
    row.classes.fill(OffPeriod);
    row.subjects.fill(OffPeriod);
    return row;
}

// Class cells are kept in upper case in the register, as the teacher screen stores them.
QString ClassOf(const QStringList& students)
{
    if (students.isEmpty())
        return Blank;
    const QString joined = students.join('+').toUpper();
    return students.size() > 1 ? joined + '*' : joined;
}

QString SlotName(const FetTimetable& timetable, const FetLesson& lesson)
{
    return timetable.days[lesson.day] + ' ' + timetable.hours[lesson.hour];
}

QString TooLong(const QString& what)
{
    return QStringLiteral("%1 is longer than %2 characters").arg(what).arg(MaxRegisterText);
}

// The subject of most of a teacher's lessons, the first in the file of those
// taught equally often; "-" for a teacher without a subject.
class SubjectCount {
public:
    void Add(const QString& subject)
    {
        if (subject.isEmpty())
            return;
        if (!counts_.contains(subject))
            order_ << subject;
        ++counts_[subject];
    }

    QString Subject() const
    {
        QString best;
        for (const QString& subject : order_) {
            if (best.isEmpty() || counts_[subject] > counts_[best])
                best = subject;
        }
        return best.isEmpty() ? Blank : best;
    }

private:
    QHash<QString, int> counts_;
    QStringList order_; // in order of first appearance
};

// Builds each teacher's week lesson by lesson; the first fault of a teacher
// refuses him whole.
class WeekBuilder {
public:
    WeekBuilder(const FetTimetable& timetable, const SlotMapping& mapping)
        : timetable_(timetable)
        , mapping_(mapping)
        , faults_(timetable.teachers.size())
        , taken_(timetable.teachers.size())
        , subjects_(timetable.teachers.size())
    {
        for (const FetTeacher& teacher : timetable.teachers) {
            result_.teachers << ImportedTeacher {teacher.line, OffWeek(teacher.name)};
            if (teacher.name.size() > MaxRegisterText)
                faults_[result_.teachers.size() - 1] = TooLong(QStringLiteral("the name"));
        }
    }

    ImportedTeachers Build()
    {
        result_.rejected = timetable_.rejected;
        for (const FetLesson& lesson : timetable_.lessons)
            Add(lesson);
        for (int index = int(faults_.size()) - 1; index >= 0; --index) {
            if (faults_[index].isEmpty()) {
                result_.teachers[index].row.subject = subjects_[index].Subject();
                continue;
            }
            const ImportedTeacher refused = result_.teachers.takeAt(index);
            result_.rejected << RejectedRow {refused.line, refused.row.name1, faults_[index]};
        }
        return result_;
    }

private:
    void Add(const FetLesson& lesson)
    {
        const int index = lesson.teacher;
        TeacherRow& row = result_.teachers[index].row;
        const int slot = mapping_.dayOf[lesson.day] * PeriodsPerDay + mapping_.periodOf[lesson.hour];
        const QString where = QStringLiteral("%1 (line %2)").arg(SlotName(timetable_, lesson)).arg(lesson.line);
        row.classes[slot] = ClassOf(lesson.students);
        row.subjects[slot] = lesson.subject.isEmpty() ? Blank : lesson.subject;
        if (taken_[index].contains(slot))
            Fault(index, QStringLiteral("two lessons at the same time, %1").arg(where));
        if (row.classes[slot].size() > MaxRegisterText)
            Fault(index, TooLong(QStringLiteral("the class of %1").arg(where)));
        if (row.subjects[slot].size() > MaxRegisterText)
            Fault(index, TooLong(QStringLiteral("the subject of %1").arg(where)));
        taken_[index].insert(slot);
        subjects_[index].Add(lesson.subject);
    }

    void Fault(int index, const QString& reason)
    {
        if (faults_[index].isEmpty())
            faults_[index] = reason;
    }

    const FetTimetable& timetable_;
    const SlotMapping& mapping_;
    QList<QString> faults_;
    QList<QSet<int>> taken_;
    QList<SubjectCount> subjects_;
    ImportedTeachers result_;
};
}

ImportedTeachers TeachersFromFet(const FetTimetable& timetable, const SlotMapping& mapping)
{
    return WeekBuilder(timetable, mapping).Build();
}
