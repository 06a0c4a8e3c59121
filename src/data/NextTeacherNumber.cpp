#include "data/NextTeacherNumber.h"

#include "data/Recordset.h"

std::optional<QString> NextTeacherNumber(Connection& connection)
{
    Recordset recordset(connection, QStringLiteral("TabelPB"));
    if (!recordset.Open(QStringLiteral("SELECT adno1 FROM TabelPB ORDER BY adno1 DESC LIMIT 1")))
        return std::nullopt;
    if (recordset.IsEOF())
        return QStringLiteral("1");
    const int highest = recordset.Field(0).toInt();
    if (highest >= HighestTeacherNumber)
        return std::nullopt;
    return QString::number(highest + 1);
}
