#include "data/TeacherNumber.h"

#include <algorithm>

std::optional<int> ParseTeacherNumber(const QString& typed)
{
    const QString digits = typed.trimmed();
    const bool onlyDigits = !digits.isEmpty()
        && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; });
    if (!onlyDigits)
        return std::nullopt;
    bool fits = false;
    const qlonglong value = digits.toLongLong(&fits);
    if (!fits || value < 1 || value > HighestTeacherNumber)
        return std::nullopt;
    return int(value);
}
