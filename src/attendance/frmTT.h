#pragma once

#include "attendance/TimetableScreen.h"

// The presence timetable: a present teacher's week, in blue.
class frmTT : public TimetableScreen {
    Q_OBJECT
public:
    explicit frmTT(ScreenRegistry& registry);
};
