#pragma once

#include <QColor>

// Colours of the attendance board and the names screen.
inline const QColor BoardBackground(224, 224, 224);
inline const QColor BoxBackground(192, 192, 0);
inline const QColor SubstitutionAttachColour(255, 0, 0);
inline const QColor ReliefFreeColour(0, 255, 255);
inline const QColor CountBackground(192, 192, 192);
inline const QColor ClearedCountBackground(128, 128, 128);
inline const QColor TeacherCountBackground(192, 255, 192);

inline const QColor EmptyCellColour(255, 255, 255);
inline const QColor AbsentColour(255, 128, 128);
inline const QColor PresentColour(35, 88, 228);
inline const QColor ListedColour(192, 255, 192);
inline const QColor PresenceButtonColour(128, 128, 255);
inline const QColor VisitedTextColour(0, 255, 255);
inline const QColor LegendTextColour(0, 0, 255);
inline const QColor LightCyan(128, 255, 255);
inline const QColor AllTeachersNamesBackground(128, 255, 128);
inline const QColor MarkedNameColour(255, 0, 0);
inline const QColor ToCoverTextColour(0, 0, 128);

// Colours of the presence and absence timetables.
inline const QColor PresenceTimetableColour(0, 0, 255);
inline const QColor AbsenceTimetableColour(255, 0, 0);
inline const QColor SubjectTextColour(0, 0, 255);
inline const QColor ChosenLessonColour(217, 85, 217);
// The background of a lesson that today's relief set covers: pale enough for
// today's red and the chosen violet to stay readable on it.
inline const QColor CoveredLessonBackground(190, 240, 190);
