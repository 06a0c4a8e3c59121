#include "data/SettingsStore.h"

#include "data/Connection.h"

#include <QSqlQuery>

namespace {
const QString FirstRow = QStringLiteral("_rowid_ = (SELECT min(_rowid_) FROM Custom)");

// The columns in the order of the table and of SettingsRow.
const QString Columns = QStringLiteral("Key, Dayslimit, Fratepday, Maxhold, Pass, Refcopy, Salnew, Salper, Saltemp, "
                                       "Splashtime, Viewe, Welcometime, Welcome, schName, Picture");

SettingsRow RowOf(const QSqlQuery& query)
{
    const auto number = [&query](int column) { return query.value(column).toDouble(); };
    const auto text = [&query](int column) { return query.value(column).toString(); };
    return {.key = query.value(0).toInt(),
            .daysLimit = number(1),
            .fratePerDay = number(2),
            .maxHold = number(3),
            .pass = text(4),
            .refCopy = number(5),
            .salNew = number(6),
            .salPer = number(7),
            .salTemp = number(8),
            .splashTime = number(9),
            .viewe = query.value(10).toInt(),
            .welcomeTime = number(11),
            .welcome = query.value(12).toInt() != 0,
            .schoolName = text(13),
            .picture = text(14)};
}
}

RowLookup<SettingsRow> SettingsStore::Read()
{
    QSqlQuery query(connection_.Database());
    query.setForwardOnly(true);
    if (!connection_.Run(query, QStringLiteral("SELECT %1 FROM Custom WHERE %2").arg(Columns, FirstRow), {}))
        return {true, std::nullopt};
    if (query.next())
        return {false, RowOf(query)};
    if (!connection_.CheckRead(query))
        return {true, std::nullopt};
    return {};
}

SettingsWrite SettingsStore::Apply(const SettingsChange& change)
{
    const QVariant password = change.passwordHash ? QVariant(*change.passwordHash) : QVariant();
    return Update(QStringLiteral("UPDATE Custom SET Pass = coalesce(?, Pass), Splashtime = ?, Viewe = ?, Welcome = ?, "
                                 "Welcometime = ? WHERE Key=1"),
                  {password, change.splashTime, change.viewe, change.welcome ? 1 : 0, change.welcomeTime});
}

SettingsWrite SettingsStore::RestoreDefaults()
{
    return Update(QStringLiteral("UPDATE Custom SET Dayslimit = 15, Fratepday = 1, Maxhold = 2, Refcopy = 2, "
                                 "Salnew = 2000, Salper = 4500, Saltemp = 3000, Splashtime = 2000, Viewe = 3, "
                                 "Welcome = 1, Welcometime = 1000 WHERE Key=1"),
                  {});
}

SettingsWrite SettingsStore::SetSchool(const QString& name, const QString& picture)
{
    return Update(QStringLiteral("UPDATE Custom SET schName = ?, Picture = ? WHERE %1").arg(FirstRow), {name, picture});
}

bool SettingsStore::ReplacePlainPassword(const QString& plain, const QString& hash)
{
    return connection_.Execute(QStringLiteral("PRAGMA secure_delete = ON"))
        && connection_.Execute(QStringLiteral("UPDATE Custom SET Pass = ? WHERE Pass = ?"), {hash, plain});
}

SettingsWrite SettingsStore::Update(const QString& sql, const QVariantList& values)
{
    int changed = 0;
    if (!connection_.Execute(sql, values, &changed))
        return SettingsWrite::Failed;
    return changed == 0 ? SettingsWrite::NoRow : SettingsWrite::Written;
}
