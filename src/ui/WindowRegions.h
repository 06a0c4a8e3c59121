#pragma once

class QWidget;

// Shapes a window: outside the shape it is neither drawn nor clickable.

// An ellipse bounded by (0, 0) and (width, height) in the window's own pixels.
void SetEllipticRegion(QWidget* target, int width, int height);
// The window's own rectangle with corners rounded by an ellipse of 10 x 10 pixels.
void SetRoundedRegion(QWidget* target);
