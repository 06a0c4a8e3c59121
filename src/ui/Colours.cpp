#include "ui/Colours.h"

#include <QLineEdit>
#include <QWidget>

void SetBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, colour);
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
