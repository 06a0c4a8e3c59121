#pragma once

#include "data/DbError.h"
#include "data/ReliefRecord.h"

#include <QDate>
#include <QList>

#include <optional>

class Connection;

// What became of a save of the relief set.
struct ReliefSaveResult {
    enum class Status {
        Saved,
        // Rows of the set saved before could not be deleted; nothing was written.
        NotEmpty,
        // The store refused a write; the set saved before is kept whole.
        Failed
    };
    Status status = Status::Saved;
    DbError error;
};

enum class ReliefOrder {
    // By absent teacher number, the order in which the set is brought back.
    AbsentTeacher,
    // By relief teacher number, so that each relief teacher's lessons stand together.
    ReliefTeacher
};

// The saved relief set in table reltable: exactly the last set saved.
class ReliefStore {
public:
    explicit ReliefStore(Connection& connection)
        : connection_(connection)
    {
    }

    // Replaces the saved set by these rows, in their order, numbered 1..n in
    // Adno, as the set planned for that day: the history keeps it under the
    // day, in place of one saved for it before. A relief not chosen is stored
    // as done by a helper: "Helper (Volunteer)", "Library", "0" and "0" stand
    // in for an empty relief teacher, subject, common name and relief teacher
    // number. It is all one transaction, so a failure anywhere keeps the
    // earlier set and history.
    ReliefSaveResult Replace(const QList<ReliefRecord>& rows, const QDate& day);
    // The reliefs saved for that day removed, in one transaction: the day's
    // history, and the relief table when it holds that day's set.
    bool RemoveDay(const QDate& day);
    // The rows as Replace stores them, helpers filled in and numbered.
    static QList<ReliefRecord> AsStored(const QList<ReliefRecord>& rows);

    // The saved set, ordered by the teacher numbers as numbers (2 before 10),
    // rows of one number in their saved order. Nothing when reading fails;
    // the connection keeps the failure.
    std::optional<QList<ReliefRecord>> Read(ReliefOrder order);

    // The number of saved rows; nothing when counting fails.
    std::optional<int> Count();

private:
    Connection& connection_;
};
