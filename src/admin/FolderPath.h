#pragma once

#include <QDir>
#include <QString>

// A name inside a folder, with one separator between them also when the
// folder is a root whose path already ends with one.
inline QString PathInFolder(const QString& folder, const QString& name)
{
    const QString separator = QStringLiteral("/");
    const QString base = QDir::fromNativeSeparators(folder);
    return QDir::toNativeSeparators(base.endsWith(separator) ? base + name : base + separator + name);
}
