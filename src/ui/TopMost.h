#pragma once

class QWidget;

// Keeps a window above the other windows (on) or returns it to the normal
// order (off). The window is shown if hidden, but neither moved, resized nor
// activated.
//
// While a window kept on top is shown, every other window the program shows
// or raises (a screen, a report, a message) comes up in front of it and stays
// above the other windows with it; once no window kept on top is shown, those
// windows return to the normal order.
void SetTopMost(QWidget* window, bool on);
