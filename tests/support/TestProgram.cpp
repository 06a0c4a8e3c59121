#include "TestProgram.h"

#include "app/Screens.h"
#include "data/ApplicationFolder.h"
#include "data/Connection.h"
#include "data/ConnectionString.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
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

TestProgram::TestProgram(const std::source_location& where)
    : registry(prompter, clock, printer, links)
{
    NoteTestStep(where);
    SetApplicationFolder(folder.path());
    // The user's own settings stay untouched: each test program keeps its own.
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder.filePath(QStringLiteral("settings")));
    RegisterScreens(registry);
    // Asking for a screen the program does not have is a fault of the program.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("no screen named")));
}

TestProgram::~TestProgram()
{
    prompter.VerifyAllAnswersUsed();
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
    WithDatabase(DatabasePath(), [&](QSqlDatabase& db) {
        db.transaction();
        QSqlQuery query(db);
        query.prepare(QStringLiteral("INSERT INTO TabelPB VALUES (%1)").arg(placeholders));
        for (const QStringList& teacher : teachers) {
            for (const QString& value : teacher)
                query.addBindValue(value);
            QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        }
        QVERIFY(db.commit());
    });
}

void TestProgram::Exec(const QString& sql, const QVariantList& values) const
{
    ExecFile(DatabasePath(), sql, values);
}

QList<QVariantList> TestProgram::Query(const QString& sql) const
{
    return QueryFile(DatabasePath(), sql);
}

void ExecFile(const QString& path, const QString& sql, const QVariantList& values)
{
    WithDatabase(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
    });
}

QList<QVariantList> QueryFile(const QString& path, const QString& sql)
{
    QList<QVariantList> rows;
    WithDatabase(path, [&](QSqlDatabase& db) {
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

void TestProgram::DamageLastTeacherPage() const
{
    const int pageSize = Query(QStringLiteral("PRAGMA page_size"))[0][0].toInt();
    const int root = Query(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = 'TabelPB'"))[0][0].toInt();
    QFile file(DatabasePath());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek(qint64(root - 1) * pageSize));
    const QByteArray header = file.read(12);
    QCOMPARE(int(header[0]), 5); // an interior page: the rows lie on pages below it
    const quint32 last = quint32(quint8(header[8])) << 24 | quint32(quint8(header[9])) << 16
        | quint32(quint8(header[10])) << 8 | quint32(quint8(header[11]));
    QVERIFY(file.seek(qint64(last - 1) * pageSize));
    QCOMPARE(file.write(QByteArray(16, '\xff')), qint64(16));
    // Bump the file change counter, as any writer does, so that connections
    // already open read the damaged page instead of their cached copy.
    QVERIFY(file.seek(24));
    QByteArray counter = file.read(4);
    counter[3] = char(quint8(counter[3]) + 1);
    QVERIFY(file.seek(24));
    QCOMPARE(file.write(counter), qint64(4));
}

LockHolder::LockHolder(const QString& databasePath, int milliseconds)
{
    std::promise<void> locked;
    std::future<void> lockTaken = locked.get_future();
    std::future<void> released = release_.get_future();
    thread_ = std::thread([databasePath, milliseconds, &locked, released = std::move(released)] {
        const QString name = QStringLiteral("lock-holder");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(databasePath);
            db.open();
            QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE"));
            locked.set_value();
            if (milliseconds < 0)
                released.wait();
            else
                released.wait_for(std::chrono::milliseconds(milliseconds));
            QSqlQuery(db).exec(QStringLiteral("COMMIT"));
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    lockTaken.wait();
}

LockHolder::~LockHolder()
{
    release_.set_value();
    thread_.join();
}

std::unique_ptr<ScreenRegistry> TestProgram::Restart()
{
    auto started = std::make_unique<ScreenRegistry>(prompter, clock, printer, links);
    RegisterScreens(*started);
    return started;
}

void EndProgram(ScreenRegistry& registry)
{
    registry.EndProgram();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
