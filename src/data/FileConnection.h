#pragma once

#include <QSqlDatabase>
#include <QString>

// A connection of its own to one database file, apart from the screens'
// connections: opened when made, closed and forgotten when it goes.
// ":memory:" gives a database in memory that lives as long as this.
class FileConnection {
public:
    enum class Access { ReadOnly, ReadWrite };

    FileConnection(const QString& path, Access access);
    ~FileConnection();
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;

    QSqlDatabase Database() const;
    // The store's reason when the file could not be opened; empty when it is open.
    QString OpenFailure() const { return failure_; }

private:
    QString name_;
    QString failure_;
};
