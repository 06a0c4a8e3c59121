#include "data/ConnectionString.h"

#include "data/ApplicationFolder.h"

#include <QDir>
#include <QRegularExpression>

QString ConnectionString()
{
    const QString file = QDir::toNativeSeparators(ApplicationFolder() + '/' + DatabaseFileName);
    return QStringLiteral("PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:Database Password=QVX;")
        .arg(file);
}

QString DataSourcePath(const QString& connectionString)
{
    static const QRegularExpression source(QStringLiteral("Data Source=([^;]*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QDir::fromNativeSeparators(source.match(connectionString).captured(1).trimmed());
}
