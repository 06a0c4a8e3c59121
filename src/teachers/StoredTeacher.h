#pragma once

#include <QVariantList>

class Connection;
class Recordset;

// A teacher's row as this screen read it, every column, so that a change or
// a delete is written only while the stored row is still exactly that one:
// another copy of the program on the same file may have changed it since.
class StoredTeacher {
public:
    enum class State { Same, Changed, Gone, Failed };

    // The current row of a recordset over the whole teacher table.
    static StoredTeacher Read(const Recordset& recordset);

    int Number() const;
    // Same while the stored row is still this one; Changed when the teacher
    // is stored otherwise, Gone when no teacher has its number any more.
    State Compare(Connection& connection) const;
    // Deletes the stored row, but only while it is this one (then Same).
    State Delete(Connection& connection) const;

private:
    State WhatBecameOf(Connection& connection) const;

    QVariantList values_;
};
