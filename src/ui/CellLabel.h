#pragma once

#include "ui/ElidedLabel.h"

// A label of a grid of cells that the operator double-clicks to choose it.
class CellLabel : public ElidedLabel {
    Q_OBJECT
public:
    using ElidedLabel::ElidedLabel;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
