#pragma once

#include "data/RowLookup.h"
#include "data/TeacherKind.h"
#include "data/TeacherRow.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

class Connection;
class Recordset;

// A teacher as the relief list's scan reads him, in number order.
struct TeacherTimetable {
    QString number; // adno
    QString name1;
    QString subject;
    QStringList classes;  // the 40 class cells
    QStringList subjects; // the 40 subject cells
};

// A teacher as the attendance board binds him to a box.
struct TeacherSummary {
    int number = 0;
    QString title;
    QString name1;
    TeacherKind kind = TeacherKind::ReliefOn;
};

using TeacherLookup = RowLookup<TeacherRow>;

// The teacher register, table TabelPB, as the screens read it. Each read is
// in number order; nothing is given when the read fails, and the connection
// then keeps the failure.
class TeacherStore {
public:
    // The table's name, for a recordset that writes its changes back to it.
    static inline const QString Table = QStringLiteral("TabelPB");

    explicit TeacherStore(Connection& connection)
        : connection_(connection)
    {
    }

    // The whole register into a recordset over Table, as the teacher screen
    // browses and changes it; Requery reads it again the same way.
    bool OpenRegister(Recordset& recordset);
    // Every teacher's whole row.
    std::optional<QList<TeacherRow>> Rows();
    // The same, each row as its 89 column texts in table order, exactly as stored.
    std::optional<QList<QStringList>> RowTexts();

    // Only the columns the relief list's scan needs, straight from the query:
    // it runs while the operator waits.
    std::optional<QList<TeacherTimetable>> Timetables();
    std::optional<QList<TeacherSummary>> Summaries();
    TeacherLookup Find(int number);
    // Whether a teacher has this number.
    std::optional<bool> NumberInUse(int number);

    // A row as read before, every column's value in table order, is written
    // over or deleted only while it is stored exactly so: another copy of
    // the program on the same file may have changed it since. Whether it
    // still is; whether it was, and is deleted now.
    std::optional<bool> IsStoredAs(const QVariantList& row);
    std::optional<bool> DeleteIfStoredAs(const QVariantList& row);

private:
    Connection& connection_;
};
