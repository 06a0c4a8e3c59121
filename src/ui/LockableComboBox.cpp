#include "ui/LockableComboBox.h"

#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>

LockableComboBox::LockableComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A text is kept exactly as typed: "mr." is not the list's "Mr.".
    completer()->setCaseSensitivity(Qt::CaseSensitive);
}

void LockableComboBox::SetLocked(bool locked)
{
    locked_ = locked;
    lineEdit()->setReadOnly(locked);
}

void LockableComboBox::showPopup()
{
    if (!locked_)
        QComboBox::showPopup();
}

void LockableComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool changesChoice = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down
        || event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown;
    if (locked_ && changesChoice)
        return;
    QComboBox::keyPressEvent(event);
}

void LockableComboBox::wheelEvent(QWheelEvent* event)
{
    if (!locked_)
        QComboBox::wheelEvent(event);
}
