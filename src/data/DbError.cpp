#include "data/DbError.h"

namespace {
// The store's primary result codes, the low byte of its extended ones.
constexpr int Busy = 5;
constexpr int Locked = 6;
constexpr int Full = 13;
}

DbError DbError::From(const QSqlError& error)
{
    QString description = error.databaseText();
    if (description.isEmpty())
        description = error.text();
    return {error.nativeErrorCode(), description};
}

QString DbError::Text() const
{
    bool isNumber = false;
    const int code = number.toInt(&isNumber) & 0xff;
    if (isNumber && code == Full)
        return QStringLiteral("The disk is full: nothing was saved.");
    if (isNumber && (code == Busy || code == Locked))
        return QStringLiteral("The database is in use by another program: nothing was saved, try again.");
    return number + description;
}
