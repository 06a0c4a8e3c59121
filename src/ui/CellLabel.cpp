#include "ui/CellLabel.h"

#include <QMouseEvent>

void CellLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    ElidedLabel::mouseDoubleClickEvent(event);
}
