#include "admin/BackupRecord.h"

#include <QLocale>
#include <QSettings>

namespace {
const QString PathKey = QStringLiteral("Settings/BackupPath");
const QString DateKey = QStringLiteral("Settings/BackupDate");
const QString TimeKey = QStringLiteral("Settings/BackupTime");

QSettings UserSettings()
{
    return QSettings(QStringLiteral("Morvane"), QStringLiteral("Morvane"));
}
}

BackupRecord BackupRecord::Of(const QString& path, const QDateTime& when)
{
    // Month names and AM/PM in English whatever the user's language, as the record has always been written.
    const QLocale english = QLocale::c();
    return {path, english.toString(when.date(), QStringLiteral("dd, MMM, yyyy")),
            english.toString(when.time(), QStringLiteral("hh:mm:ss AP"))};
}

BackupRecord BackupRecord::Read()
{
    const QSettings settings = UserSettings();
    return {settings.value(PathKey).toString(), settings.value(DateKey).toString(), settings.value(TimeKey).toString()};
}

void BackupRecord::Write() const
{
    QSettings settings = UserSettings();
    settings.setValue(PathKey, path);
    settings.setValue(DateKey, date);
    settings.setValue(TimeKey, time);
}
