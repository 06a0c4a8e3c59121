#pragma once

#include <QSqlError>
#include <QString>

// A failure of the store: its number and its description, as the store gives them.
struct DbError {
    QString number;
    QString description;

    static DbError From(const QSqlError& error);

    bool IsSet() const { return !number.isEmpty() || !description.isEmpty(); }
    // The store's unique-index failure (SQLITE_CONSTRAINT_UNIQUE).
    bool IsUniqueViolation() const { return number == QLatin1String("2067"); }
    // A failed write as the operator sees it: a full disk and a file held by
    // another program in words, any other as the number immediately followed
    // by the description.
    QString Text() const;
    // Why the store failed, to follow "cannot be read: ": the same words
    // without what they mean for a write.
    QString Reason() const;
};
