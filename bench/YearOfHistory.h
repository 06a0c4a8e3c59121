#pragma once

#include <QDate>

class Connection;

// A school year of saved relief sets: the 200 school days (Monday to Friday)
// up to the given day, 40 reliefs each, written in one transaction. False
// when the file refused them.
bool WriteYearOfHistory(Connection& connection, const QDate& lastDay);
