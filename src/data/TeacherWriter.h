#pragma once

#include <QVariantList>

#include <memory>

class Connection;
struct TeacherRow;

// Writes many teachers to the register, each statement prepared once: a new
// teacher's whole row, or the 80 timetable cells of the stored teacher with
// the row's number. It runs inside the caller's transaction, which can end
// only once the writer is gone; a failure is kept by the connection.
class TeacherWriter {
public:
    explicit TeacherWriter(Connection& connection);
    ~TeacherWriter();
    TeacherWriter(const TeacherWriter&) = delete;
    TeacherWriter& operator=(const TeacherWriter&) = delete;

    bool Add(const TeacherRow& row);
    bool ReplaceTimetable(const TeacherRow& row);

private:
    struct Statement;

    bool Run(Statement& statement, const QVariantList& values);

    Connection& connection_;
    std::unique_ptr<Statement> insert_;
    std::unique_ptr<Statement> update_;
};
