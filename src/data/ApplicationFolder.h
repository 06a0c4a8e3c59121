#pragma once

#include <QString>

// The folder that holds the program and its database file. It is the
// executable's folder unless a test has set another one.
QString ApplicationFolder();
void SetApplicationFolder(const QString& folder);
