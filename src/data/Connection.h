#pragma once

#include "data/DbError.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

// One screen's connection to the database file. The file is created with its
// tables on first start; an existing file is opened as it is.
class Connection {
public:
    static constexpr int BusyTimeoutMs = 3000;

    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Open(const QString& connectionString);
    bool IsOpen() const { return open_; }
    // Whether changes can be written: the file's folder takes new files.
    bool FolderAcceptsChanges() const;
    QString FilePath() const { return filePath_; }

    // Runs a statement that returns no rows; values are bound to its placeholders.
    bool Execute(const QString& sql, const QVariantList& values = {}, int* recordsAffected = nullptr);
    // One statement, prepared once, run for each row of values in turn; it
    // stops at the first failure.
    bool ExecuteEach(const QString& sql, const QList<QVariantList>& rows);
    // Prepares and runs a statement on this connection with bound values; a
    // failure is kept as the connection's last error.
    bool Run(QSqlQuery& query, const QString& sql, const QVariantList& values);
    // The same in two steps, for a statement run many times: prepared once,
    // then run with each row of values.
    bool Prepare(QSqlQuery& query, const QString& sql);
    bool RunPrepared(QSqlQuery& query, const QVariantList& values);

    // After the last row of a query: true when the rows ended because there
    // were no more, false (the failure kept) when reading them failed.
    bool CheckRead(const QSqlQuery& query);

    // The last failure of this connection or of a recordset on it.
    const DbError& LastError() const { return lastError_; }

    QSqlDatabase Database() const;

private:
    void ClearError() { lastError_ = {}; }
    bool Fail(const QString& reason);
    bool CheckTables();

    QString name_;
    QString filePath_;
    bool open_ = false;
    DbError lastError_;
};
