#include "ui/Screen.h"

#include "ui/ScreenRegistry.h"

#include <QEvent>

Screen::Screen(ScreenRegistry& registry, QWidget* parent)
    : QWidget(parent)
    , registry_(registry)
{
}

bool Screen::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Close && event->isAccepted())
        registry_.Forget(this);
    return handled;
}
