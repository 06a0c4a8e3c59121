#pragma once

#include "TestProgram.h"
#include "data/Connection.h"

// The test program with its database created from these teachers and one
// connection open on it, as a screen holds one.
struct ConnectedProgram {
    explicit ConnectedProgram(const QList<QStringList>& teachers = {},
                              const std::source_location& where = std::source_location::current());

    TestProgram program;
    Connection connection;
};
