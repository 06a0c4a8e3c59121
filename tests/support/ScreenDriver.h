#pragma once

#include "TestStep.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <source_location>

// What stands in for a control that a test did not find: a kind that can be made.
template <class Control>
struct StandInOf {
    using type = Control;
};
template <>
struct StandInOf<QAbstractButton> {
    using type = QPushButton;
};

// Holds the stand-ins, on no screen, until the test program ends.
QWidget& StandInOwner();

// Finds a control of a screen by its name. A missing control fails the test
// at the caller's line and gives a stand-in that belongs to no screen, so the
// test goes on harmlessly to its next check, which then returns.
template <class Control = QWidget>
Control* Find(const QWidget* screen, const QString& name,
              const std::source_location& where = std::source_location::current())
{
    NoteTestStep(where);
    if (auto* control = screen ? screen->findChild<Control*>(name) : nullptr)
        return control;
    // The first failure of a test says what is missing; the stand-ins it
    // leads to say nothing more.
    if (!QTest::currentTestFailed())
        QTest::qFail(qPrintable(screen ? QStringLiteral("no control %1").arg(name)
                                       : QStringLiteral("no screen to find %1 in").arg(name)),
                     where.file_name(), int(where.line()));
    auto* standIn = new typename StandInOf<Control>::type;
    standIn->setParent(&StandInOwner());
    return standIn;
}

// A screen's timer whose ticks a test gives by hand: it runs, stops and
// changes its interval as the screen says, but its own ticks reach nobody.
inline QTimer* HoldTimer(const QWidget* screen, const QString& name,
                         const std::source_location& where = std::source_location::current())
{
    auto* timer = Find<QTimer>(screen, name, where);
    timer->blockSignals(true);
    return timer;
}

inline void Click(const QWidget* screen, const QString& button,
                  const std::source_location& where = std::source_location::current())
{
    Find<QAbstractButton>(screen, button, where)->click();
}

inline QString TextOf(const QWidget* screen, const QString& name,
                      const std::source_location& where = std::source_location::current())
{
    QWidget* control = Find(screen, name, where);
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
inline QString Counters(const QWidget* screen, const std::source_location& where = std::source_location::current())
{
    return TextOf(screen, "lbl_rec", where) + " of " + TextOf(screen, "lbl_total", where);
}

inline void DoubleClick(const QWidget* screen, const QString& name,
                        const std::source_location& where = std::source_location::current())
{
    QTest::mouseDClick(Find(screen, name, where), Qt::LeftButton);
}
