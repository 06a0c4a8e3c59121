#include "data/ConnectionString.h"

#include "data/ApplicationFolder.h"

#include <QDir>

namespace {
const QString DataSourceKey = QStringLiteral("Data Source=");

// A value that holds the separator, a quote or surrounding blanks is written
// in double quotes with its own quotes doubled, so that any folder name reads back.
QString QuotedValue(const QString& value)
{
    const bool plain = !value.contains(';') && !value.contains('"') && value == value.trimmed();
    if (plain)
        return value;
    QString doubled = value;
    return '"' + doubled.replace('"', QStringLiteral("\"\"")) + '"';
}

QString ReadValue(const QString& text, qsizetype start)
{
    if (text.mid(start, 1) != QLatin1String("\""))
        return text.mid(start, text.indexOf(';', start) - start).trimmed();
    QString value;
    for (qsizetype i = start + 1; i < text.size(); ++i) {
        if (text[i] != '"') {
            value += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            value += '"';
            ++i;
        } else {
            break;
        }
    }
    return value;
}
}

QString ConnectionString()
{
    const QString file = QDir::toNativeSeparators(DatabaseFilePath());
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;%1%2;Jet OLEDB:Database Password=QVX;")
        .arg(DataSourceKey, QuotedValue(file));
}

QString DataSourcePath(const QString& connectionString)
{
    const qsizetype key = connectionString.indexOf(DataSourceKey, 0, Qt::CaseInsensitive);
    if (key < 0)
        return {};
    return QDir::fromNativeSeparators(ReadValue(connectionString, key + DataSourceKey.size()));
}
