#pragma once

#include <QLabel>

// A one-line label that keeps its whole text but shows a text too long for
// its width cut with "…" instead of clipped mid-letter.
class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // A mark drawn before the text, no part of it; empty for none.
    void SetMark(const QString& mark);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString mark_;
};
