#pragma once

#include <QTest>
#include <QWidget>
#include <QWindow>

// Above the other windows, as the widget holds it; the window system, once
// the window has been made, must have been told the same.
inline bool StaysOnTop(const QWidget& window)
{
    const bool onTop = window.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    const QWindow* handle = window.windowHandle();
    if (handle && handle->flags().testFlag(Qt::WindowStaysOnTopHint) != onTop)
        QTest::qFail(qPrintable(window.objectName() + QStringLiteral(": the window system is told otherwise")),
                     __FILE__, __LINE__);
    return onTop;
}
