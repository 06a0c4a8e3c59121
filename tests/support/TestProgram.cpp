#include "TestProgram.h"

#include "app/Screens.h"
#include "data/ApplicationFolder.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

namespace {
template <class Work>
void WithDatabase(const QString& path, Work work)
{
    const QString name = QStringLiteral("test-direct");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        work(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
}

TestProgram::TestProgram()
    : registry(prompter, clock, printer, links)
{
    SetApplicationFolder(folder.path());
    RegisterScreens(registry);
}

TestProgram::~TestProgram()
{
    CloseScreens();
    SetApplicationFolder(QString());
}

void TestProgram::CloseScreens()
{
    registry.EndProgram();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString TestProgram::DatabasePath() const
{
    return folder.filePath(QString::fromLatin1(DatabaseFileName));
}

void TestProgram::CreateDatabase(const QList<QStringList>& teachers)
{
    {
        Connection connection;
        QVERIFY2(connection.Open(ConnectionString()), qPrintable(connection.LastError().description));
    }
    const QString placeholders = QStringList(89, QStringLiteral("?")).join(',');
    for (const QStringList& teacher : teachers) {
        QVariantList values;
        for (const QString& value : teacher)
            values << value;
        Exec(QStringLiteral("INSERT INTO TabelPB VALUES (%1)").arg(placeholders), values);
    }
}

void TestProgram::Exec(const QString& sql, const QVariantList& values) const
{
    WithDatabase(DatabasePath(), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    });
}

QList<QVariantList> TestProgram::Query(const QString& sql) const
{
    QList<QVariantList> rows;
    WithDatabase(DatabasePath(), [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            rows << row;
        }
    });
    return rows;
}
