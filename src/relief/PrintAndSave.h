#pragma once

#include "data/ReliefRecord.h"
#include "report/Report.h"

#include <QDate>
#include <QList>

#include <optional>

class Connection;
class ScreenRegistry;
struct School;

struct PrintAndSaveResult {
    // Whether the list now is the saved set.
    bool saved = false;
    // The rows in the relief table afterwards, for "Record(s) in DB": the rows
    // just saved, or those kept when the save did not happen; none when they
    // cannot be counted (the table then still holds what it held before).
    std::optional<int> rowsInTable;
    // The relief teachers list of the saved set, to be shown; none when
    // nothing was saved or the saved set could not be read back, and the
    // operator has then been told why.
    std::optional<Report> report;
};

// Saves the relief set planned for that day in place of the one saved
// before and gives the relief teachers list of what was stored, by relief
// teacher number, dated that day.
PrintAndSaveResult PrintAndSave(Connection& connection, const QList<ReliefRecord>& rows, const QDate& day,
                                const School& school, ScreenRegistry& registry);
