#include "data/Schema.h"

#include "data/ColumnNames.h"
#include "data/FileConnection.h"
#include "data/PasswordHash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QStringList SchemaStatements()
{
    QFile file(QStringLiteral(":/schema.sql"));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    QStringList statements;
    QString current;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + '\n';
        if (line.trimmed().endsWith(';')) {
            statements << current.trimmed();
            current.clear();
        }
    }
    return statements;
}

// The first password, "admin", is kept as its hash only: secure_delete
// leaves no trace of the plain text the schema inserts.
bool StoreFirstPassword(QSqlQuery& query, QString* reason)
{
    const QString hash = PasswordHash::Hash(QStringLiteral("admin"));
    if (hash.isEmpty()) {
        *reason = QStringLiteral("the first password cannot be hashed");
        return false;
    }
    if (query.exec(QStringLiteral("PRAGMA secure_delete = ON"))
        && query.prepare(QStringLiteral("UPDATE Custom SET Pass = ?"))) {
        query.addBindValue(hash);
        if (query.exec())
            return true;
    }
    *reason = query.lastError().databaseText();
    return false;
}

bool RunStatements(const QString& path, QString* reason)
{
    const FileConnection file(path, FileConnection::Access::ReadWrite);
    *reason = file.OpenFailure();
    return reason->isEmpty() && CreateSchema(file.Database(), reason);
}
}

QStringList DatabaseTables()
{
    return {QStringLiteral("TabelPB"), QStringLiteral("reltable"), QStringLiteral("Custom")};
}

namespace {
// The column names of a table in their order; the store's reason when they cannot be read.
struct TableColumnsRead {
    QStringList names;
    QString failure;
};

TableColumnsRead ColumnNames(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery query(db);
    TableColumnsRead read;
    if (query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table))) {
        while (query.next())
            read.names << query.value(1).toString();
    }
    if (query.lastError().type() != QSqlError::NoError)
        read.failure = query.lastError().databaseText();
    return read;
}

// The columns of every table as the program creates them, read once from the
// schema built in memory, so that the layout is written down in one place only.
const QHash<QString, QStringList>& ProgramLayout()
{
    static const QHash<QString, QStringList> layout = [] {
        QHash<QString, QStringList> tables;
        const FileConnection memory(QStringLiteral(":memory:"), FileConnection::Access::ReadWrite);
        {
            QSqlQuery query(memory.Database());
            for (const QString& statement : SchemaStatements())
                query.exec(statement);
        }
        for (const QString& table : DatabaseTables())
            tables.insert(table, ColumnNames(memory.Database(), table).names);
        return tables;
    }();
    return layout;
}
}

const QStringList& TableColumns(const QString& table)
{
    static const QStringList none;
    const auto columns = ProgramLayout().constFind(table);
    return columns == ProgramLayout().constEnd() ? none : *columns;
}

QString LayoutDifference(const QSqlDatabase& db)
{
    for (const QString& table : DatabaseTables()) {
        const TableColumnsRead read = ColumnNames(db, table);
        if (!read.failure.isEmpty())
            return read.failure;
        const QStringList& found = read.names;
        if (found.isEmpty())
            return QStringLiteral("it holds no table %1, so it is not this program's database").arg(table);
        const QStringList& expected = TableColumns(table);
        for (int place = 0; place < expected.size(); ++place) {
            const QString& column = expected[place];
            if (place < found.size() && found[place].compare(column, Qt::CaseInsensitive) == 0)
                continue;
            const qsizetype at = IndexOfColumn(found, column);
            if (at < 0)
                return QStringLiteral("its table %1 has no column %2").arg(table, column);
            return QStringLiteral("the column %2 of its table %1 is out of place (column %3 instead of %4)")
                .arg(table, column)
                .arg(at + 1)
                .arg(place + 1);
        }
    }
    return {};
}

bool CreateSchema(const QSqlDatabase& db, QString* reason)
{
    QSqlDatabase database = db;
    bool ok = database.transaction();
    {
        QSqlQuery query(database);
        for (const QString& statement : SchemaStatements()) {
            ok = ok && query.exec(statement);
            if (!ok) {
                *reason = query.lastError().databaseText();
                break;
            }
        }
        ok = ok && StoreFirstPassword(query, reason);
    }
    ok = ok && database.commit();
    if (ok)
        return true;
    if (reason->isEmpty())
        *reason = database.lastError().databaseText();
    database.rollback();
    return false;
}

bool CreateDatabaseFile(const QString& path, QString* reason)
{
    const QFileInfo target(path);
    if (!target.dir().exists()) {
        *reason = QStringLiteral("its folder %1 does not exist").arg(QDir::toNativeSeparators(target.absolutePath()));
        return false;
    }
    if (!QFileInfo(target.absolutePath()).isWritable()) {
        *reason = QStringLiteral("it does not exist, and its folder %1 cannot be written to")
                      .arg(QDir::toNativeSeparators(target.absolutePath()));
        return false;
    }
    const QString building = path + QStringLiteral(".new");
    QFile::remove(building);
    if (!RunStatements(building, reason) || !QFile::rename(building, path)) {
        if (reason->isEmpty())
            *reason = QStringLiteral("the new file cannot be put in place");
        QFile::remove(building);
        return false;
    }
    return true;
}
