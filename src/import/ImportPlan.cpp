#include "import/ImportPlan.h"

#include "data/TeacherNumber.h"

#include <QHash>
#include <QMap>
#include <QMultiHash>

#include <algorithm>

namespace {
class Planner {
public:
    Planner(const QList<TeacherRow>& registerRows, const ImportedTeachers& imported)
        : registerRows_(registerRows)
        , imported_(imported)
    {
        for (int i = 0; i < registerRows.size(); ++i) {
            byName_.insert(registerRows[i].name1, i);
            numbers_.insert(registerRows[i].adno1.toInt(), registerRows[i].name1);
        }
        for (const ImportedTeacher& teacher : imported.teachers)
            fileLines_[teacher.row.name1] << teacher.line;
    }

    ImportPlan Plan()
    {
        plan_.rejected = imported_.rejected;
        QList<const ImportedTeacher*> unnumbered;
        for (const ImportedTeacher& teacher : imported_.teachers) {
            if (Refuse(teacher) || Match(teacher))
                continue;
            if (teacher.row.adno1.isEmpty())
                unnumbered << &teacher;
            else
                AddNumbered(teacher);
        }
        for (const ImportedTeacher* teacher : std::as_const(unnumbered))
            AddWithNextNumber(*teacher);
        plan_.unchanged = int(registerRows_.size() - plan_.changed.size());
        std::stable_sort(plan_.rejected.begin(), plan_.rejected.end(),
                         [](const RejectedRow& a, const RejectedRow& b) { return a.line < b.line; });
        return plan_;
    }

private:
    bool Reject(const ImportedTeacher& teacher, const QString& reason)
    {
        plan_.rejected << RejectedRow {teacher.line, teacher.row.name1, reason};
        return true;
    }

    bool Refuse(const ImportedTeacher& teacher)
    {
        const QString& name = teacher.row.name1;
        if (name.trimmed().isEmpty())
            return Reject(teacher, QStringLiteral("the name is empty"));
        const QList<int>& lines = fileLines_[name];
        if (lines.size() > 1) {
            QStringList others;
            for (int line : lines)
                others << QString::number(line);
            return Reject(teacher,
                          QStringLiteral("the name is in the file more than once (lines %1)").arg(others.join(", ")));
        }
        const qsizetype inRegister = byName_.count(name);
        if (inRegister > 1)
            return Reject(
                teacher,
                QStringLiteral("%1 teachers of the register have this name; change them one by one").arg(inRegister));
        return false;
    }

    bool Match(const ImportedTeacher& teacher)
    {
        const auto found = byName_.constFind(teacher.row.name1);
        if (found == byName_.constEnd())
            return false;
        TeacherRow row = registerRows_[*found];
        if (row.classes == teacher.row.classes && row.subjects == teacher.row.subjects)
            return true;
        row.classes = teacher.row.classes;
        row.subjects = teacher.row.subjects;
        plan_.changed << row;
        return true;
    }

    void AddNumbered(const ImportedTeacher& teacher)
    {
        const int number = teacher.row.adno1.toInt();
        const auto holder = numbers_.constFind(number);
        if (holder != numbers_.constEnd()) {
            Reject(teacher, QStringLiteral("the number %1 is already in use (%2)").arg(number).arg(*holder));
            return;
        }
        Add(teacher.row, number);
    }

    void AddWithNextNumber(const ImportedTeacher& teacher)
    {
        const int number = numbers_.isEmpty() ? 1 : numbers_.lastKey() + 1;
        if (number > HighestTeacherNumber) {
            Reject(teacher, QStringLiteral("no teacher number is left: %1 is the highest").arg(HighestTeacherNumber));
            return;
        }
        Add(teacher.row, number);
    }

    void Add(TeacherRow row, int number)
    {
        row.adno1 = QString::number(number);
        row.adno = row.adno1;
        numbers_.insert(number, row.name1);
        plan_.added << row;
    }

    const QList<TeacherRow>& registerRows_;
    const ImportedTeachers& imported_;
    QMultiHash<QString, int> byName_;
    QMap<int, QString> numbers_;
    QHash<QString, QList<int>> fileLines_;
    ImportPlan plan_;
};
}

ImportPlan PlanImport(const QList<TeacherRow>& registerRows, const ImportedTeachers& imported)
{
    return Planner(registerRows, imported).Plan();
}
