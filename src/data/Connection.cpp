#include "data/Connection.h"

#include "data/ConnectionString.h"
#include "data/ProgramTables.h"
#include "data/Schema.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QTemporaryFile>

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
    // Another program may hold the file for a moment; wait for it before failing.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        return Fail(db.lastError().databaseText());
    if (!CheckTables())
        return false;
    // Where the folder takes no writes the own tables may be missing; their
    // stores then read defaults and report the failure of a write.
    QString ignored;
    EnsureProgramTables(db, &ignored);
    open_ = true;
    return true;
}

// The file's tables must have the program's columns in their order, since
// rows are read by position; the first is also the first read of the file.
bool Connection::CheckTables()
{
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
        return Fail(query.lastError().databaseText());
    const QString difference = LayoutDifference(Database());
    return difference.isEmpty() || Fail(difference);
}

// Saving needs the folder as well as the file: the store writes its journal beside the file.
bool Connection::FolderAcceptsChanges() const
{
    QTemporaryFile probe(QFileInfo(filePath_).absolutePath() + QStringLiteral("/.morvane-XXXXXX"));
    return probe.open();
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

bool Connection::CheckRead(const QSqlQuery& query)
{
    if (query.lastError().type() == QSqlError::NoError)
        return true;
    lastError_ = DbError::From(query.lastError());
    return false;
}

bool Connection::Prepare(QSqlQuery& query, const QString& sql)
{
    ClearError();
    if (query.prepare(sql))
        return true;
    lastError_ = DbError::From(query.lastError());
    return false;
}

bool Connection::RunPrepared(QSqlQuery& query, const QVariantList& values)
{
    ClearError();
    for (int index = 0; index < values.size(); ++index)
        query.bindValue(index, values[index]);
    if (query.exec())
        return true;
    lastError_ = DbError::From(query.lastError());
    return false;
}

bool Connection::ExecuteEach(const QString& sql, const QList<QVariantList>& rows)
{
    QSqlQuery query(Database());
    if (!Prepare(query, sql))
        return false;
    for (const QVariantList& values : rows) {
        if (!RunPrepared(query, values))
            return false;
    }
    return true;
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
