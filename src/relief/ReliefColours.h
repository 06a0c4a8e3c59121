#pragma once

#include <QColor>

// Colours of the relief list: a line by the periods still free, and the
// Total Free of a teacher who already relieves today.
inline const QColor OneFreeColour(255, 0, 0);
inline const QColor TwoFreeColour(0, 0, 255);
inline const QColor ThreeFreeColour(34, 123, 38);
inline const QColor AlreadyRelievesColour(196, 95, 3);
// The counters of the relief set.
inline const QColor CounterColour(0, 0, 255);
// A row of the relief set without a relief teacher.
inline const QColor UncoveredRowColour(255, 214, 214);
// The line selected with the arrow keys on the relief list.
inline const QColor SelectedLineColour(204, 228, 247);
