#include "relief/Doubles.h"

#include "relief/ReliefSetModel.h"

#include <QHash>

namespace {
QString LessonKey(const ReliefRecord& row)
{
    return QStringList {row[ReliefRecord::TeaNo].trimmed(), row[ReliefRecord::Grade], row[ReliefRecord::Period]}.join(
        QChar(0));
}

// A relief teacher in a period; none for a row without one.
QString TeacherKey(const ReliefRecord& row)
{
    return HasReliefTeacher(row) ? row[ReliefRecord::TeaNoP].trimmed() + QChar(0) + row[ReliefRecord::Period]
                                 : QString();
}

// The first row of each key that more rows share, with their number, in row order.
QList<std::pair<ReliefRecord, int>> Repeated(const QList<ReliefRecord>& rows, QString (*key)(const ReliefRecord&))
{
    QHash<QString, int> counts;
    for (const ReliefRecord& row : rows) {
        if (const QString text = key(row); !text.isEmpty())
            ++counts[text];
    }
    QList<std::pair<ReliefRecord, int>> repeated;
    for (const ReliefRecord& row : rows) {
        if (const int count = counts.take(key(row)); count > 1)
            repeated.append({row, count});
    }
    return repeated;
}
}

bool SameLesson(const ReliefRecord& a, const ReliefRecord& b)
{
    return LessonKey(a) == LessonKey(b);
}

QStringList Doubles(const QList<ReliefRecord>& rows)
{
    QStringList doubles;
    for (const auto& [row, count] : Repeated(rows, LessonKey)) {
        doubles << QStringLiteral("%1 of %2 in the %3 period is listed %4 times.")
                       .arg(row[ReliefRecord::Grade], row[ReliefRecord::AbsenceTea], row[ReliefRecord::Period])
                       .arg(count);
    }
    for (const auto& [row, count] : Repeated(rows, TeacherKey)) {
        doubles << QStringLiteral("%1 is sent to %2 classes in the %3 period.")
                       .arg(row[ReliefRecord::PresenceTea].trimmed())
                       .arg(count)
                       .arg(row[ReliefRecord::Period]);
    }
    return doubles;
}
