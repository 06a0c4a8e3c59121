#include "attendance/frmTT.h"

#include "attendance/AttendanceColours.h"

frmTT::frmTT(ScreenRegistry& registry)
    : TimetableScreen(registry, QStringLiteral("Time Table Presence"), PresenceTimetableColour,
                      QStringLiteral("Label10"))
{
    HighlightToday();
}
