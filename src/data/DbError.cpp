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

namespace {
int PrimaryCode(const QString& number)
{
    bool isNumber = false;
    const int code = number.toInt(&isNumber) & 0xff;
    return isNumber ? code : -1;
}
}

QString DbError::Text() const
{
    const int code = PrimaryCode(number);
    if (code == Full)
        return QStringLiteral("The disk is full: nothing was saved.");
    if (code == Busy || code == Locked)
        return QStringLiteral("The database is in use by another program: nothing was saved, try again.");
    return number + description;
}

QString DbError::Reason() const
{
    const int code = PrimaryCode(number);
    if (code == Full)
        return QStringLiteral("the disk is full");
    if (code == Busy || code == Locked)
        return QStringLiteral("the database is in use by another program; try again");
    return number + description;
}
