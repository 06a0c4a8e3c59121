#pragma once

class QWidget;

// A window stands whole in its display's free area (above the taskbar), title
// bar included, wherever it can: one that would stand partly outside is moved
// in; one larger than the area keeps its title bar in view.
void KeepOnDisplay(QWidget* window);

// Centres a window, title bar included, in its display's free area.
void CentreOnDisplay(QWidget* window);
