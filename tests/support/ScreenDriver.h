#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>

// Finds a control of a screen by its name; a missing control fails the test.
template <class Control = QWidget>
Control* Find(const QWidget* screen, const QString& name)
{
    auto* control = screen->findChild<Control*>(name);
    if (!control)
        QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(name)), __FILE__, __LINE__);
    return control;
}

// A screen's timer whose ticks a test gives by hand: it runs, stops and
// changes its interval as the screen says, but its own ticks reach nobody.
inline QTimer* HoldTimer(const QWidget* screen, const QString& name)
{
    auto* timer = Find<QTimer>(screen, name);
    if (timer)
        timer->blockSignals(true);
    return timer;
}

inline void Click(const QWidget* screen, const QString& button)
{
    Find<QAbstractButton>(screen, button)->click();
}

inline QString TextOf(const QWidget* screen, const QString& name)
{
    QWidget* control = Find(screen, name);
    if (auto* field = qobject_cast<QLineEdit*>(control))
        return field->text();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    return control->windowTitle();
}

inline QString Cell(const QString& array, int index)
{
    return QStringLiteral("%1(%2)").arg(array).arg(index);
}

// The teacher screen's record counters as the operator reads them, "3 of 25".
inline QString Counters(const QWidget* screen)
{
    return TextOf(screen, "lbl_rec") + " of " + TextOf(screen, "lbl_total");
}

inline void DoubleClick(const QWidget* screen, const QString& name)
{
    QTest::mouseDClick(Find(screen, name), Qt::LeftButton);
}
