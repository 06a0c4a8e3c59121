#include "ConnectedProgram.h"

#include "data/ConnectionString.h"

#include <QTest>

ConnectedProgram::ConnectedProgram(const QList<QStringList>& teachers)
{
    program.CreateDatabase(teachers);
    QVERIFY2(connection.Open(ConnectionString()), qPrintable(connection.LastError().description));
}
