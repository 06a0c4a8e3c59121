#pragma once

#include <QString>

// The school as the program shows it and the reports head it: its name and
// the file of its logo.
struct School {
    QString name;
    QString logoPath;

    bool operator==(const School&) const = default;
};
