#pragma once

#include <QString>

#include <optional>

constexpr int HighestTeacherNumber = 32767;

// A teacher number as the operator types it: digits only, surrounding blanks
// allowed, leading zeros dropped, from 1 to the highest number. Anything else
// (a sign, a decimal point, an exponent, other characters) is no teacher number.
std::optional<int> ParseTeacherNumber(const QString& typed);
