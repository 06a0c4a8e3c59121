#include "ui/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

void ElidedLabel::SetMark(const QString& mark)
{
    if (mark == mark_)
        return;
    mark_ = mark;
    update();
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (!mark_.isEmpty()) {
        const QString lead = mark_ + QLatin1Char(' ');
        style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), lead,
                              foregroundRole());
        area.setLeft(area.left() + fontMetrics().horizontalAdvance(lead));
    }
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}
