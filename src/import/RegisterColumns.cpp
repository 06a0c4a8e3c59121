#include "import/RegisterColumns.h"

#include "data/TeacherRow.h"

namespace {
QStringList SlotColumns(QChar prefix)
{
    QStringList names;
    for (int slot = 0; slot < SlotCount; ++slot)
        names << QStringLiteral("%1%2%3").arg(prefix).arg(slot / PeriodsPerDay + 1).arg(slot % PeriodsPerDay + 1);
    return names;
}
}

QStringList TeacherTableColumns()
{
    static const QStringList names = QStringList{QStringLiteral("adno")} + SlotColumns('a') + SlotColumns('s')
        + QStringList{QStringLiteral("title"), QStringLiteral("name1"), QStringLiteral("comname"),
                      QStringLiteral("SalOnly"), QStringLiteral("adno1"), QStringLiteral("RelFree"),
                      QStringLiteral("subject"), QStringLiteral("class1")};
    return names;
}

QStringList RegisterCsvColumns()
{
    static const QStringList names = QStringList{QStringLiteral("adno1"), QStringLiteral("title"), QStringLiteral("name1"),
                                                 QStringLiteral("subject"), QStringLiteral("comname"),
                                                 QStringLiteral("class1"), QStringLiteral("SalOnly"),
                                                 QStringLiteral("RelFree")}
        + SlotColumns('a') + SlotColumns('s');
    return names;
}

int TeacherColumnOrdinal(const QString& name)
{
    const QStringList& names = TeacherTableColumns();
    for (int ordinal = 0; ordinal < names.size(); ++ordinal) {
        if (names[ordinal].compare(name, Qt::CaseInsensitive) == 0)
            return ordinal;
    }
    return -1;
}
