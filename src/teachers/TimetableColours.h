#pragma once

#include <QColor>

// Background colours of the timetable cells.
inline const QColor WorkingColour(255, 255, 255);
inline const QColor OffPeriodColour(192, 192, 255);
inline const QColor TimetableErrorColour(255, 128, 128);
// A period the school does not have.
inline const QColor NoPeriodColour(208, 208, 208);
