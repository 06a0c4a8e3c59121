#pragma once

#include "data/TeacherNumber.h"

#include <QString>

#include <optional>

class Connection;

// The number proposed for a new teacher: one more than the highest number in
// use, "1" when there is none. A number the saved reliefs carry counts as in
// use, so a new teacher never inherits a departed teacher's reliefs. Empty
// when the highest is already the largest allowed number, or when the tables
// cannot be read (the connection then holds the failure).
std::optional<QString> NextTeacherNumber(Connection& connection);
