#include "ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {
QRect FreeArea(const QWidget* window)
{
    const QScreen* display = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return display ? display->availableGeometry() : QRect();
}

// The nearest place at which as much of the span as fits lies within [low, high).
int Within(int at, int span, int low, int high)
{
    return std::max(low, std::min(at, high - span));
}
}

void KeepOnDisplay(QWidget* window)
{
    const QRect area = FreeArea(window);
    if (area.isEmpty())
        return;
    const QRect frame = window->frameGeometry();
    const QPoint inside(Within(frame.x(), frame.width(), area.left(), area.right() + 1),
                        Within(frame.y(), frame.height(), area.top(), area.bottom() + 1));
    if (inside != frame.topLeft())
        window->move(inside);
}

void CentreOnDisplay(QWidget* window)
{
    const QRect area = FreeArea(window);
    if (area.isEmpty())
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
    KeepOnDisplay(window);
}
