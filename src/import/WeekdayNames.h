#pragma once

#include <QList>
#include <QStringList>

#include <optional>

// The weekday of each name, 0 (Monday) .. 6 (Sunday), when all of them are
// weekday names, full or short, of one language that QLocale knows, and that
// language gives each its one day. Letter case and accents do not count
// ("Marti" is "marți", "lun" is "lun.").
std::optional<QList<int>> WeekdayNumbers(const QStringList& names);
