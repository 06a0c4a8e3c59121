#include "data/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool RunStatements(const QString& path, QString* reason)
{
    const QString name = QStringLiteral("morvane-create");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            *reason = db.lastError().databaseText();
        } else {
            db.transaction();
            QSqlQuery query(db);
            ok = true;
            for (const QString& statement : SchemaStatements()) {
                if (!query.exec(statement)) {
                    *reason = query.lastError().databaseText();
                    ok = false;
                    break;
                }
            }
            ok = ok && db.commit();
            if (!ok && reason->isEmpty())
                *reason = db.lastError().databaseText();
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}
}

QStringList DatabaseTables()
{
    return {QStringLiteral("TabelPB"), QStringLiteral("reltable"), QStringLiteral("Custom")};
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
