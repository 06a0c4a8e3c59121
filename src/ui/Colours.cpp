#include "ui/Colours.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QWidget>

// A screen's or a frame's colour reaches its children through the palette, so
// only a control coloured itself takes the colour on its face: the text
// boxes and buttons inside a coloured screen keep the system's colours.
void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    const bool button = qobject_cast<QAbstractButton*>(widget);
    if (button || qobject_cast<QLineEdit*>(widget))
        palette.setColor(QPalette::Base, colour);
    if (button)
        palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}

QColor Background(const QWidget* widget)
{
    return widget->palette().color(qobject_cast<const QLineEdit*>(widget) ? QPalette::Base : QPalette::Window);
}

QColor TextColour(const QWidget* widget)
{
    return widget->palette().color(qobject_cast<const QLineEdit*>(widget) ? QPalette::Text : QPalette::WindowText);
}
