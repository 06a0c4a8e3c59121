#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

// A command button carrying its control name; Enter in a text box never presses it.
inline QPushButton* NewButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// A label carrying its control name.
inline QLabel* NewLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A password box: what is typed shows as "*", not as the style's own dot.
inline void MaskWithStars(QLineEdit* box)
{
    box->setEchoMode(QLineEdit::Password);
    box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}
