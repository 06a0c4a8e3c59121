#include "import/RegisterColumns.h"

#include "data/ColumnNames.h"
#include "data/Schema.h"
#include "data/Slot.h"

namespace {
QStringList SlotColumns(QChar prefix)
{
    QStringList names;
    for (int slot = 0; slot < SlotCount; ++slot)
        names << SlotColumn(prefix, slot);
    return names;
}
}

const QStringList& TeacherTableColumns()
{
    return TableColumns(QStringLiteral("TabelPB"));
}

QStringList RegisterCsvColumns()
{
    static const QStringList names = QStringList {QStringLiteral("adno1"),   QStringLiteral("title"),
                                                  QStringLiteral("name1"),   QStringLiteral("subject"),
                                                  QStringLiteral("comname"), QStringLiteral("class1"),
                                                  QStringLiteral("SalOnly"), QStringLiteral("RelFree")}
        + SlotColumns('a') + SlotColumns('s');
    return names;
}

int TeacherColumnOrdinal(const QString& name)
{
    return int(IndexOfColumn(TeacherTableColumns(), name));
}
