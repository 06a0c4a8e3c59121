#include "data/DatabaseFile.h"

#include "data/ApplicationFolder.h"
#include "data/FileConnection.h"
#include "data/PasswordHash.h"
#include "data/ProgramTables.h"
#include "data/Schema.h"
#include "data/TeacherNumber.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <filesystem>

namespace {
// How every file of the store begins.
const QByteArray StoreHeader("SQLite format 3\0", 16);

bool Unreadable(const QString& table, const QSqlQuery& query, QString* reason)
{
    *reason = QStringLiteral("its table %1 cannot be read (%2)").arg(table, query.lastError().databaseText());
    return false;
}

bool ReadToTheEnd(const QString& table, const QSqlQuery& query, QString* reason)
{
    return query.lastError().type() == QSqlError::NoError || Unreadable(table, query, reason);
}

// The first value of a statement's first row; the store's reason on failure.
QVariant FirstValue(const QSqlDatabase& db, const QString& sql, QString* reason)
{
    QSqlQuery query(db);
    if (query.exec(sql) && query.next())
        return query.value(0);
    *reason = query.lastError().databaseText();
    return {};
}

// The store's own check of every page and index of a file.
bool PassesIntegrityCheck(const QSqlDatabase& db, QString* reason)
{
    const QVariant result = FirstValue(db, QStringLiteral("PRAGMA integrity_check"), reason);
    if (!reason->isEmpty())
        return false;
    if (result.toString() != QLatin1String("ok"))
        *reason = QStringLiteral("it did not pass the database's own check");
    return reason->isEmpty();
}

// The login reads the first row of Custom: without one, or with a password
// that no typed text can match, nobody could get in again.
bool SomebodyCanLogIn(const QSqlDatabase& source, QString* reason)
{
    const QString table = QStringLiteral("Custom");
    QSqlQuery query(source);
    if (!query.exec(QStringLiteral("SELECT Pass FROM Custom ORDER BY _rowid_ LIMIT 1")))
        return Unreadable(table, query, reason);
    if (!query.next()) {
        if (ReadToTheEnd(table, query, reason))
            *reason = QStringLiteral("it holds no settings row, so nobody could log in");
        return false;
    }
    if (!PasswordHash::CanBeChecked(query.value(0).toString()))
        *reason = QStringLiteral("its password is empty or cannot be checked, so nobody could log in");
    return reason->isEmpty();
}

// The screens find a teacher by his number: each has one, and his own.
bool EveryTeacherHasHisOwnNumber(const QSqlDatabase& source, QString* reason)
{
    const QString table = QStringLiteral("TabelPB");
    QSqlQuery query(source);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT adno1 FROM TabelPB")))
        return Unreadable(table, query, reason);
    QSet<int> numbers;
    while (query.next()) {
        const QString text = query.value(0).toString();
        const std::optional<int> number = ParseTeacherNumber(text);
        if (!number) {
            *reason = text.trimmed().isEmpty()
                ? QStringLiteral("a teacher of its register has no number")
                : QStringLiteral("its teacher number %1 is no number from 1 to %2").arg(text).arg(HighestTeacherNumber);
            return false;
        }
        if (numbers.contains(*number)) {
            *reason = QStringLiteral("its teacher number %1 is given to more than one teacher").arg(*number);
            return false;
        }
        numbers.insert(*number);
    }
    return ReadToTheEnd(table, query, reason);
}

// Names in brackets: a name in double quotes that names no column would be
// read as a text instead, and a column missing from the source go unnoticed.
QString Bracketed(const QString& name)
{
    return '[' + name + ']';
}

QString ColumnList(const QSqlRecord& columns)
{
    QStringList names;
    for (int column = 0; column < columns.count(); ++column)
        names << Bracketed(columns.fieldName(column));
    return names.join(QStringLiteral(", "));
}

// The rows of one of the program's tables in their order, each column the
// new table has read by its name; the new table takes a value only where it
// fits the column's type.
bool CopyRows(const QSqlDatabase& source, const QSqlDatabase& target, const QString& table, QString* reason)
{
    const QSqlRecord columns = target.record(table);
    const QString names = ColumnList(columns);
    QSqlQuery read(source);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY _rowid_").arg(names, Bracketed(table))))
        return Unreadable(table, read, reason);
    QSqlQuery write(target);
    const QStringList placeholders(columns.count(), QStringLiteral("?"));
    write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(Bracketed(table), names, placeholders.join(QStringLiteral(", "))));
    while (read.next()) {
        for (int column = 0; column < columns.count(); ++column)
            write.bindValue(column, read.value(column));
        if (!write.exec()) {
            *reason = QStringLiteral("its table %1 holds a value the program does not take (%2)")
                          .arg(table, write.lastError().databaseText());
            return false;
        }
    }
    return ReadToTheEnd(table, read, reason);
}

bool NoSuchTable(const QString& table, QString* reason)
{
    *reason = QStringLiteral("it holds no table %1, so it is not this program's database").arg(table);
    return false;
}

// The new database's tables are the ones the program knows. The register's
// must be in the source; the program's own are copied where the source has
// them (an older file may not), and its settings row gives way to the source's.
bool CopyKnownTables(const QSqlDatabase& source, const QSqlDatabase& target, QString* reason)
{
    QSqlDatabase database = target;
    if (!database.transaction()) {
        *reason = database.lastError().databaseText();
        return false;
    }
    QSqlQuery settingsRow(database);
    bool ok = settingsRow.exec(QStringLiteral("DELETE FROM Custom"));
    if (!ok)
        *reason = settingsRow.lastError().databaseText();
    const QStringList inSource = source.tables();
    for (const QString& table : target.tables()) {
        if (!ok)
            break;
        if (inSource.contains(table, Qt::CaseInsensitive))
            ok = CopyRows(source, target, table, reason);
        else if (DatabaseTables().contains(table))
            ok = NoSuchTable(table, reason);
    }
    if (ok && database.commit())
        return true;
    if (reason->isEmpty())
        *reason = database.lastError().databaseText();
    database.rollback();
    return false;
}

bool SourceIsSound(const QSqlDatabase& source, QString* reason)
{
    if (!PassesIntegrityCheck(source, reason))
        return false;
    *reason = LayoutDifference(source);
    return reason->isEmpty() && SomebodyCanLogIn(source, reason) && EveryTeacherHasHisOwnNumber(source, reason);
}

bool Rebuild(const QString& sourcePath, const FileConnection& target, DatabaseContents* contents, QString* reason)
{
    if (!QFileInfo(sourcePath).isFile()) {
        *reason = QStringLiteral("it is not a file that can be read");
        return false;
    }
    const FileConnection source(sourcePath, FileConnection::Access::ReadOnly);
    *reason = source.OpenFailure();
    if (reason->isEmpty())
        *reason = target.OpenFailure();
    if (!reason->isEmpty() || !SourceIsSound(source.Database(), reason) || !CreateSchema(target.Database(), reason)
        || !EnsureProgramTables(target.Database(), reason)
        || !CopyKnownTables(source.Database(), target.Database(), reason))
        return false;
    contents->teachers = FirstValue(target.Database(), QStringLiteral("SELECT count(*) FROM TabelPB"), reason).toInt();
    contents->reliefs = FirstValue(target.Database(), QStringLiteral("SELECT count(*) FROM reltable"), reason).toInt();
    return reason->isEmpty();
}
}

bool WriteDatabaseCopy(const QSqlDatabase& source, const QString& target, QString* reason)
{
    QSqlQuery query(source);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(target);
    if (query.exec())
        return true;
    *reason = query.lastError().databaseText();
    return false;
}

bool RebuildDatabaseFile(const QString& source, const QString& target, DatabaseContents* contents, QString* reason)
{
    const FileConnection rebuilt(target, FileConnection::Access::ReadWrite);
    return Rebuild(source, rebuilt, contents, reason);
}

bool CheckDatabaseFile(const QString& path, DatabaseContents* contents, QString* reason)
{
    const FileConnection memory(QStringLiteral(":memory:"), FileConnection::Access::ReadWrite);
    return Rebuild(path, memory, contents, reason);
}

bool IsDatabaseFile(const QString& path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && file.read(StoreHeader.size()) == StoreHeader;
}

bool IsDatabaseInUse(const QString& path)
{
    const QString database = QFileInfo(DatabaseFilePath()).absoluteFilePath();
    const QString named = QFileInfo(path).absoluteFilePath();
    for (const QString& suffix :
         {QString(), QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
        if (named == database + suffix)
            return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(path.toStdU16String(), database.toStdU16String(), error);
}
