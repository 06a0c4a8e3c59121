#pragma once

#include <QIcon>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

// A picture button with its tooltip and, beneath it, a label of its own.
struct PictureButton {
    QToolButton* button = nullptr;
    QLabel* label = nullptr;
    // The button above its label, to place as one piece.
    QWidget* column = nullptr;
};

PictureButton NewPictureButton(const QIcon& picture, const QString& tooltip, const QString& name,
                               const QString& labelText, const QString& labelName, QWidget* parent);
