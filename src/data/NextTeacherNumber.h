#pragma once

#include "data/TeacherNumber.h"

#include <QString>

#include <optional>

class Connection;

// The number proposed for a new teacher: the highest number plus one, "1" for
// an empty table. Empty when the highest is already the largest allowed
// number, or when the table cannot be read (the connection then holds the failure).
std::optional<QString> NextTeacherNumber(Connection& connection);
