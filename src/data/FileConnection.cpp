#include "data/FileConnection.h"

#include <QAtomicInt>
#include <QSqlError>

FileConnection::FileConnection(const QString& path, Access access)
{
    static QAtomicInt counter;
    name_ = QStringLiteral("morvane-file-%1").arg(counter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db.setDatabaseName(path);
    if (access == Access::ReadOnly)
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!db.open())
        failure_ = db.lastError().databaseText();
}

FileConnection::~FileConnection()
{
    Database().close();
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase FileConnection::Database() const
{
    return QSqlDatabase::database(name_, false);
}
