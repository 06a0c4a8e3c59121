#pragma once

#include "ui/Colours.h"

#include <QColor>

// Background colours of the timetable cells.
inline const QColor WorkingColour(255, 255, 255);
inline const QColor OffPeriodColour(192, 192, 255);
inline const QColor TimetableErrorColour(255, 128, 128);
