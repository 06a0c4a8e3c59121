#include "ConnectedProgram.h"

#include "data/ConnectionString.h"

#include <QTest>

ConnectedProgram::ConnectedProgram(const QList<QStringList>& teachers, const std::source_location& where)
    : program(where)
{
    program.CreateDatabase(teachers);
    QVERIFY2(connection.Open(ConnectionString()), qPrintable(connection.LastError().description));
}
