#pragma once

#include <QLabel>

// A one-line label that keeps its whole text but shows a text too long for
// its width cut with "…" instead of clipped mid-letter.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};
