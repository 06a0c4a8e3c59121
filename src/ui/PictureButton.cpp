#include "ui/PictureButton.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int PictureSize = 32;
constexpr int ButtonSize = 44;
}

PictureButton NewPictureButton(const QIcon& picture, const QString& tooltip, const QString& name,
                               const QString& labelText, const QString& labelName, QWidget* parent)
{
    PictureButton made;
    made.column = new QWidget(parent);
    auto* layout = new QVBoxLayout(made.column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    made.button = new QToolButton(made.column);
    made.button->setObjectName(name);
    made.button->setToolTip(tooltip);
    made.button->setIcon(picture);
    made.button->setIconSize(QSize(PictureSize, PictureSize));
    made.button->setFixedSize(ButtonSize, ButtonSize);

    made.label = new QLabel(labelText, made.column);
    made.label->setObjectName(labelName);
    made.label->setAlignment(Qt::AlignCenter);

    layout->addWidget(made.button, 0, Qt::AlignHCenter);
    layout->addWidget(made.label, 0, Qt::AlignHCenter);
    return made;
}
