#pragma once

#include <QFont>

// Twips per typographic point.
constexpr int TwipsPerPoint = 20;

// The reports' type, Arial (Liberation Sans, which has the same widths, where
// Arial is not installed), sized for drawing in twips.
QFont ReportFont(double points, bool bold = false);

// The width in twips of a text set in a report font.
int TextWidth(const QFont& font, const QString& text);
