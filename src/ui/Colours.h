#pragma once

#include <QColor>

class QWidget;

// Background and text colours of a control, set through its palette so that
// every kind of control (text box, label, button, check box) shows them.
void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);
QColor Background(const QWidget* widget);
QColor TextColour(const QWidget* widget);

// The background of a timetable cell after the school's last period of the day.
inline const QColor NoPeriodBackground(208, 208, 208);
