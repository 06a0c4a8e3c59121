#pragma once

#include <QString>
#include <QStringList>

// Where a column stands in a list of column names; names are matched without
// regard to letter case, as the store does. -1 when it is not there.
inline qsizetype IndexOfColumn(const QStringList& names, const QString& name)
{
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
