#include "ui/WindowRegions.h"

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

namespace {
constexpr int CornerDiameter = 10;
}

void SetEllipticRegion(QWidget* target, int width, int height)
{
    target->setMask(QRegion(0, 0, width, height, QRegion::Ellipse));
}

void SetRoundedRegion(QWidget* target)
{
    QPainterPath shape;
    shape.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(target->size())), CornerDiameter / 2.0, CornerDiameter / 2.0);
    target->setMask(QRegion(shape.toFillPolygon().toPolygon()));
}
