#include "ui/Screen.h"

#include "ui/ScreenRegistry.h"
#include "ui/WindowPlacement.h"

#include <QEvent>

Screen::Screen(ScreenRegistry& registry, QWidget* parent)
    : QWidget(parent)
    , registry_(registry)
{
}

bool Screen::event(QEvent* event)
{
    // Wherever the window system would put a screen, it opens whole on the display.
    if (event->type() == QEvent::Show && !event->spontaneous() && isWindow())
        KeepOnDisplay(this);
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Close && event->isAccepted())
        registry_.Forget(this);
    return handled;
}
