#pragma once

class QWidget;

// Keeps a window above the other windows (on) or returns it to the normal
// order (off). The window is shown if hidden, but neither moved, resized nor
// activated.
void SetTopMost(QWidget* window, bool on);
