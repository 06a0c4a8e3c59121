#include "data/Connection.h"

#include "data/ConnectionString.h"
#include "data/Schema.h"

#include <QAtomicInt>
#include <QFileInfo>

namespace {
QString NewConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("morvane-%1").arg(counter.fetchAndAddRelaxed(1));
}
}

Connection::Connection()
    : name_(NewConnectionName())
{
}

Connection::~Connection()
{
    {
        QSqlDatabase db = QSqlDatabase::database(name_, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(name_))
        QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Connection::Database() const
{
    return QSqlDatabase::database(name_, false);
}

bool Connection::Open(const QString& connectionString)
{
    ClearError();
    filePath_ = DataSourcePath(connectionString);
    if (!QFileInfo::exists(filePath_)) {
        QString reason;
        if (!CreateDatabaseFile(filePath_, &reason))
            return Fail(reason);
    } else if (!QFileInfo(filePath_).isWritable()) {
        return Fail(QStringLiteral("the file is read-only"));
    }

    QSqlDatabase db = QSqlDatabase::contains(name_) ? QSqlDatabase::database(name_, false)
                                                    : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(filePath_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!db.open())
        return Fail(db.lastError().databaseText());
    if (!CheckTables())
        return false;
    open_ = true;
    return true;
}

bool Connection::CheckTables()
{
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return Fail(query.lastError().databaseText());
    QStringList tables;
    while (query.next())
        tables << query.value(0).toString().toLower();
    for (const QString& table : DatabaseTables()) {
        if (!tables.contains(table.toLower()))
            return Fail(QStringLiteral("it holds no table %1, so it is not this program's database").arg(table));
    }
    return true;
}

bool Connection::Fail(const QString& reason)
{
    open_ = false;
    lastError_ = {QString(), reason};
    if (QSqlDatabase::contains(name_))
        Database().close();
    return false;
}

bool Connection::Run(QSqlQuery& query, const QString& sql, const QVariantList& values)
{
    ClearError();
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    lastError_ = DbError::From(query.lastError());
    return false;
}

bool Connection::Execute(const QString& sql, const QVariantList& values, int* recordsAffected)
{
    QSqlQuery query(Database());
    if (!Run(query, sql, values))
        return false;
    if (recordsAffected)
        *recordsAffected = query.numRowsAffected();
    return true;
}
