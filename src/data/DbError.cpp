#include "data/DbError.h"

DbError DbError::From(const QSqlError& error)
{
    QString description = error.databaseText();
    if (description.isEmpty())
        description = error.text();
    return {error.nativeErrorCode(), description};
}
