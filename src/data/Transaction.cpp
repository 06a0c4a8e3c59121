#include "data/Transaction.h"

#include "data/Connection.h"

Transaction::Transaction(Connection& connection)
    : connection_(connection)
{
    active_ = connection_.Execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (active_)
        connection_.Execute(QStringLiteral("ROLLBACK"));
}

bool Transaction::Commit()
{
    if (!active_)
        return false;
    if (!connection_.Execute(QStringLiteral("COMMIT")))
        return false;
    active_ = false;
    return true;
}
