#include "ui/TopMost.h"

#include <QWidget>

void SetTopMost(QWidget* window, bool on)
{
    const bool changes = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) != on;
    if (changes) {
        // Changing a window flag re-creates the window; its place is kept by hand.
        const QRect place = window->geometry();
        const bool placed = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        if (placed)
            window->setGeometry(place);
    }
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->show();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
}
