#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

// Writes a file afresh with the given bytes and gives its path; a file that
// cannot be written fails the test.
inline QString WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        QTest::qFail(qPrintable(QStringLiteral("cannot write %1").arg(path)), __FILE__, __LINE__);
    return path;
}

// The whole of a file; nothing when it cannot be read.
inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
